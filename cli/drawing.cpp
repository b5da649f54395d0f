// The drawing commands' part that needs Qt's GUI modules.
#include "cli/drawing.h"

#include "cli/cli_text.h"
#include "cli/image_command.h"
#include "cli/stats.h"
#include "reading/gui/reading_sheet.h"
#include "windows/reading_document.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>

namespace starloom::cli {

namespace {

// Whether the stats command in `args` is to draw its chart: --plot given before any "--".
bool PlotAsked(const std::vector<std::string> &args) {
    const auto end = std::find(args.begin() + 1, args.end(), std::string("--"));
    return std::any_of(args.begin() + 1, end, [](const std::string &arg) {
        return arg == "--plot" || arg.starts_with("--plot=");
    });
}

std::unique_ptr<QCoreApplication> Application(int &argc, char **argv,
                                              const std::vector<std::string> &args) {
    if (args.empty())
        return nullptr;
    // The image and pdf commands draw the program's windows, on the offscreen platform so
    // that no display is needed.
    if (args[0] == "image" || args[0] == "pdf") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QApplication>(argc, argv);
    }
    // The chart of the stats command is drawn with fonts, which need the GUI application,
    // again without a display.
    if (args[0] == "stats" && PlotAsked(args)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return nullptr;
}

Status WritePdf(const Reading &reading, const std::string &path) {
    // The month of birth in the chosen language; in English the same on every system.
    const ReadingSheet sheet = MakeReadingSheet(reading.state, reading.outcome,
                                                reading.values.zonePosition, NumberLocale());
    return WriteReadingPdf(QString::fromStdString(path), sheet);
}

Status WritePlot(const StatsResult &result, const std::string &path) {
    return WriteStatsPlot(result, QString::fromStdString(path));
}

} // namespace

Drawing GuiDrawing() {
    return Drawing{Application, SaveReadingImage, WritePdf, WritePlot};
}

} // namespace starloom::cli
