#include "shell/core/settings_write.h"

#include "shell/core/file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace starloom {

Status WriteSettings(const QSettings &store, const std::function<void(QSettings &)> &write) {
    QSettings fresh(store.fileName(), store.format());
    write(fresh);
    fresh.sync();
    switch (fresh.status()) {
    case QSettings::NoError:
        return Success();
    case QSettings::FormatError:
        return FileFailure(StatusCode::WriteFailed, fresh.fileName(),
                           QStringLiteral("the file is not a settings file"));
    case QSettings::AccessError:
        break;
    }
    return FileFailure(StatusCode::WriteFailed, fresh.fileName(),
                       SettingsWriteReason(fresh.fileName()));
}

QString SettingsWriteReason(const QString &path) {
    if (const QString node = NotRegularFile(path); !node.isEmpty())
        return node;
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0)
        return SystemReason(errno);
    if (!S_ISDIR(info.st_mode))
        return SystemReason(ENOTDIR);
    if (::access(folder.constData(), W_OK) != 0)
        return SystemReason(errno);
    const QByteArray file = QFile::encodeName(path);
    if (::access(file.constData(), F_OK) == 0 && ::access(file.constData(), W_OK) != 0)
        return SystemReason(errno);
    return SystemReason(EACCES); // what QSettings's AccessError stands for
}

} // namespace starloom
