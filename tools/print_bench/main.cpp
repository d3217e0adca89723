// Prints every print job of the editor to a PDF file and says how long a run took (run by hand,
// not a test): quillon-print-bench [output.pdf] [runs]
#include "platform/qt/QtPrinter.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/printing/PrintJobs.h"
#include "quillonedit/tables/Tables.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString pdf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::temp().filePath("quillon-print-bench.pdf");
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    qputenv("QM_PRINT_TO_PDF", QFile::encodeName(pdf));

    quillon::FillAllTables();
    // Every byte set, so every row has something to print.
    auto& bytes = quillon::image().bytes();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) % 23);

    quillon::ReportSetup setup;
    setup.fileName = QStringLiteral("/home/op/bench.001");
    setup.date = QDate::currentDate();
    quillon::PrintRun run;
    run.ticked = [](int) { return true; };

    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        platform::QtPrinter printer;
        QElapsedTimer clock;
        clock.start();
        const quillon::PrintRunResult result = quillon::RunPrintJobs(printer, setup, run);
        times.push_back(clock.elapsed());
        if (result.outcome != quillon::PrintRunResult::Outcome::Dispatched) {
            std::fprintf(stderr, "Run failed: %s\n", qPrintable(result.error));
            return 1;
        }
        if (i == 0)
            std::printf("20 jobs, 57 documents, %d continuation pages, %lld bytes in %s\n", result.continuationPages,
                        static_cast<long long>(QFileInfo(pdf).size()), qPrintable(pdf));
    }
    std::sort(times.begin(), times.end());
    std::printf("%d runs: fastest %lld ms, median %lld ms, slowest %lld ms\n", runs, static_cast<long long>(times.front()),
                static_cast<long long>(times[times.size() / 2]), static_cast<long long>(times.back()));
    return 0;
}
