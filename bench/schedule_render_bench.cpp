// Rendering a 52-week schedule with every place filled to PDF, as "Сохранить в PDF" does.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "core/io/prompter.h"
#include "core/reports/report_request.h"
#include "gui/reports/report_renderer.h"
#include "support/full_schedule.h"
#include "support/large_folder.h"

namespace {

using namespace vorla;

constexpr calendar::Date kToday{2026, 12, 7};

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "schedule_render_bench";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

void BM_RenderFullScheduleToPdf(benchmark::State& state) {
    application();
    io::SilentPrompter prompter;
    store::Document doc({bench::large_folder(kToday), kToday, {}}, prompter);
    const calendar::WeekIndex first = doc.today_week().index();
    bench::fill_schedule(doc, first, 52);
    const settings::ReportFonts fonts(doc.language());
    const reports::ReportRequest request{reports::ReportKind::schedule, first, 52};
    const gui::ReportSource source = [&](const reports::Device& d) {
        return reports::layout_report(doc, fonts, request, d);
    };
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.pdf"));
    for (auto _ : state) {
        if (!gui::write_pdf(file, source, static_cast<int>(state.range(0)),
                            gui::sheet_layout(reports::Paper::a4))
                 .ok())
            state.SkipWithError("PDF not written");
    }
}
BENCHMARK(BM_RenderFullScheduleToPdf)->Arg(600)->Arg(1200)->Unit(benchmark::kMillisecond);

}  // namespace
