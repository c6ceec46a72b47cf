#include "CompanyLogo.h"
#include "SampleFiles.h"
#include "SampleSet.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

// thermreport-samplegen: writes synthetic snapshots and matching photos.
//   thermreport-samplegen [--seed S] OUTPUT_DIR             the example set (every scene once, with photos)
//   thermreport-samplegen --count N [--seed S] OUTPUT_DIR   N varied snapshots, no photos

namespace {

constexpr int UsageError = 64;
constexpr int WriteError = 1;

// Only our own lines and Qt's serious messages reach the terminal (the offscreen platform's notes
// about a missing runtime folder do not).
void KeepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        QTextStream(stderr) << message << '\n';
    }
}

int Fail(const QString& message, int status)
{
    QTextStream(stderr) << message << '\n';
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    // The photos need fonts, hence a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepSeriousMessages);
    QGuiApplication application(argc, argv);
    QCoreApplication::setApplicationName("thermreport-samplegen");

    QCommandLineParser parser;
    parser.setApplicationDescription("Writes synthetic thermal snapshots (.qvx) and matching photos.");
    parser.addHelpOption();
    const QCommandLineOption countOption("count", "Write N varied snapshots instead of the example set.", "N");
    const QCommandLineOption seedOption("seed", "Seed of the noise and variations (default 2026).", "S", "2026");
    parser.addOption(countOption);
    parser.addOption(seedOption);
    parser.addPositionalArgument("output", "Folder to write into (created when missing).");
    if (!parser.parse(QCoreApplication::arguments())) {
        return Fail(parser.errorText() + "\n" + parser.helpText(), UsageError);
    }
    if (parser.isSet("help")) {
        QTextStream(stdout) << parser.helpText();
        return 0;
    }
    bool seedOk = false;
    const quint64 seed = parser.value(seedOption).toULongLong(&seedOk);
    bool countOk = true;
    const int count = parser.isSet(countOption) ? parser.value(countOption).toInt(&countOk) : 0;
    if (parser.positionalArguments().size() != 1 || !seedOk || !countOk || count < 0 || count > 100000) {
        return Fail(parser.helpText(), UsageError);
    }

    QDir folder(parser.positionalArguments().first());
    if (!folder.mkpath(".")) {
        return Fail(QString("%1: cannot create the folder").arg(folder.path()), WriteError);
    }

    std::vector<SampleSpec> samples;
    if (parser.isSet(countOption)) {
        for (int i = 0; i < count; ++i) {
            samples.push_back(VariedSample(i, seed));
        }
    } else {
        samples = ExampleSamples(seed);
    }

    QTextStream out(stdout);
    for (const SampleSpec& sample : samples) {
        const SampleWriteResult result = WriteSample(sample, folder);
        if (!result.ok) {
            return Fail(result.error, WriteError);
        }
        out << result.summary << '\n';
    }
    if (!parser.isSet(countOption)) {
        QString error;
        const QString logo = WriteCompanyLogo(folder.path(), error);
        if (logo.isEmpty()) {
            return Fail(error, WriteError);
        }
        out << QDir::toNativeSeparators(logo) << ": the demo company's logo\n";
    }
    out << "Wrote " << samples.size() << " snapshots to " << QDir::toNativeSeparators(folder.path()) << '\n';
    return 0;
}
