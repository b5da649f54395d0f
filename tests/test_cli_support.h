// What the starloom-cli tests share: running the tool as a process, golden files, and the
// fixed births given both as command-line options and as the form's values.
#pragma once

#include "reading/form_values.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTest>

namespace starloom::clitest {

struct CliRun {
    int exitCode = -1; // -1 when the tool did not end normally
    QByteArray out;
    QByteArray err;
};

// Runs `program` with `args` in `folder` (the test's current folder when empty), with
// `input` on its standard input, and waits for it to end. `environment` changes the test's
// own: "NAME=value" sets a variable, "NAME" alone removes it.
inline CliRun RunProgram(const QString &program, const QStringList &args,
                         const QString &folder = {}, const QByteArray &input = {},
                         const QStringList &environment = {}) {
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    if (!environment.isEmpty()) {
        QProcessEnvironment changed = QProcessEnvironment::systemEnvironment();
        for (const QString &entry : environment) {
            if (entry.contains(QLatin1Char('=')))
                changed.insert(entry.section(QLatin1Char('='), 0, 0),
                               entry.section(QLatin1Char('='), 1));
            else
                changed.remove(entry);
        }
        process.setProcessEnvironment(changed);
    }
    process.start(program, args);
    CliRun run;
    if (!process.waitForStarted())
        return run;
    process.write(input);
    process.closeWriteChannel();
    // A generous bound, only so that a hung tool fails the test instead of blocking it.
    constexpr int kHungToolMs = 300000;
    process.waitForFinished(kHungToolMs);
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    if (process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else
        process.kill();
    return run;
}

// Runs starloom-cli the same way.
inline CliRun RunCli(const QStringList &args, const QString &folder = {},
                     const QByteArray &input = {}, const QStringList &environment = {}) {
    return RunProgram(QStringLiteral(STARLOOM_CLI), args, folder, input, environment);
}

// The committed golden file tests/golden/cli/<name>; with STARLOOM_UPDATE_GOLDEN=1 in the
// environment the actual bytes are written there first (then read them before committing).
inline QByteArray Golden(const QString &name, const QByteArray &actual) {
    const QString path = QStringLiteral(STARLOOM_CLI_GOLDEN_DIR "/") + name;
    if (qEnvironmentVariableIsSet("STARLOOM_UPDATE_GOLDEN")) {
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<missing golden file>");
    return file.readAll();
}

// One fixed birth: its options on the command line and the same birth as the form holds it.
struct Birth {
    QString key; // golden files are named after it
    QStringList options;
    FormValues values;
};

// 1 May 1990, 12:00 GMT at Greenwich: Mercury, Uranus, Neptune and Pluto retrograde.
inline Birth MaryAnn() {
    Birth b{QStringLiteral("maryann"),
            {"--date", "1990-05-01", "--time", "12:00", "--zone", "29", "--lat", "51:28N", "--lon",
             "0:00W", "--name", "Mary Ann", "--city", "Greenwich", "--state", "London", "--country",
             "England"},
            {}};
    FormValues &v = b.values;
    v.name = QStringLiteral("Mary Ann");
    v.monthPosition = 4;
    v.dayText = QStringLiteral("1");
    v.yearText = QStringLiteral("1990");
    v.hourText = QStringLiteral("12");
    v.minuteText = QStringLiteral("0");
    v.zonePosition = 29;
    v.latDegrees = QStringLiteral("51");
    v.latMinutes = QStringLiteral("28");
    v.latDirection = 1; // North
    v.lonDegrees = QStringLiteral("0");
    v.lonMinutes = QStringLiteral("00");
    v.lonDirection = 1; // West
    v.city = QStringLiteral("Greenwich");
    v.state = QStringLiteral("London");
    v.country = QStringLiteral("England");
    return b;
}

// 15 March 1980, 7:05 Indian Time, New Delhi: a zone of half hours, east and north.
inline Birth Anna() {
    Birth b{QStringLiteral("anna"),
            {"--date", "1980-03-15", "--time", "7:05", "--zone", "34", "--lat", "28:36N", "--lon",
             "77:12E", "--name", "Anna", "--city", "New Delhi", "--state", "Delhi", "--country",
             "India"},
            {}};
    FormValues &v = b.values;
    v.name = QStringLiteral("Anna");
    v.monthPosition = 2;
    v.dayText = QStringLiteral("15");
    v.yearText = QStringLiteral("1980");
    v.hourText = QStringLiteral("7");
    v.minuteText = QStringLiteral("5");
    v.zonePosition = 34;
    v.latDegrees = QStringLiteral("28");
    v.latMinutes = QStringLiteral("36");
    v.latDirection = 1;
    v.lonDegrees = QStringLiteral("77");
    v.lonMinutes = QStringLiteral("12");
    v.lonDirection = 0; // East
    v.city = QStringLiteral("New Delhi");
    v.state = QStringLiteral("Delhi");
    v.country = QStringLiteral("India");
    return b;
}

// 29 February 2000, 23:45 Australian Eastern Standard Time on daylight saving, Sydney:
// south and east, a leap day, a name beyond ASCII.
inline Birth Lucia() {
    Birth b{QStringLiteral("lucia"),
            {"--date", "2000-02-29", "--time", "23:45", "--zone", "8", "--dst", "--lat", "33:52S",
             "--lon", "151:12E", "--name", QString::fromUtf8("Lucía Pérez"), "--city", "Sydney",
             "--state", "New South Wales", "--country", "Australia"},
            {}};
    FormValues &v = b.values;
    v.name = QString::fromUtf8("Lucía Pérez");
    v.monthPosition = 1;
    v.dayText = QStringLiteral("29");
    v.yearText = QStringLiteral("2000");
    v.hourText = QStringLiteral("23");
    v.minuteText = QStringLiteral("45");
    v.zonePosition = 8;
    v.dst = true;
    v.latDegrees = QStringLiteral("33");
    v.latMinutes = QStringLiteral("52");
    v.latDirection = 0; // South
    v.lonDegrees = QStringLiteral("151");
    v.lonMinutes = QStringLiteral("12");
    v.lonDirection = 0;
    v.city = QStringLiteral("Sydney");
    v.state = QStringLiteral("New South Wales");
    v.country = QStringLiteral("Australia");
    return b;
}

inline QList<Birth> FixedBirths() {
    return {MaryAnn(), Anna(), Lucia()};
}

} // namespace starloom::clitest
