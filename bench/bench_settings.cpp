// How long starting and closing take with the program's own settings file, and with one of 10 MB in
// the shapes a hand-edited or damaged file may have: both must stay linear in the file's size.
#include "app/Ampero361.h"
#include "platform/Folders.h"
#include "settings/IniDocument.h"
#include "settings/Load361.h"
#include "settings/ProgramState.h"
#include "settings/Store361.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace ampero;

namespace {

constexpr qsizetype kFileSize = 10 * 1024 * 1024;

// The keys the program itself writes, so that every shape is also a file the program reads.
QString programKeys()
{
    IniDocument ini;
    storeSettings(ini);
    return ini.toText();
}

QString repeatedUpTo(const QString& head, const std::function<QString(int)>& part)
{
    QString text = head;
    text.reserve(kFileSize + 1024);
    for (int i = 0; text.size() < kFileSize; ++i)
        text += part(i);
    return text;
}

enum Shape { ManySections, OneLongSection, LongValues, RepeatedHeaders, KeysInProgramSections };

QByteArray fileOfShape(int shape)
{
    const QString keys = programKeys();
    QString text;
    switch (shape) {
    case ManySections:
        text = repeatedUpTo(
            keys, [](int i) { return QStringLiteral("\n[Abschnitt%1]\nSchluessel=%1\n").arg(i); });
        break;
    case OneLongSection:
        text = repeatedUpTo(keys + QStringLiteral("\n[Eigenes]\n"),
                            [](int i) { return QStringLiteral("Schluessel%1=Wert\n").arg(i); });
        break;
    case LongValues: { // values of half a megabyte, the first of them a field's
        const QString value(512 * 1024, QLatin1Char('7'));
        text = repeatedUpTo(
            QStringLiteral("[PS-Gleich]\nFrequenz=") + value + "\n\n" + keys,
            [&value](int i) { return QStringLiteral("\n[Lang]\nMein%1=").arg(i) + value + "\n"; });
        break;
    }
    case RepeatedHeaders: // the same section over and over, in changing case
        text = repeatedUpTo(keys, [](int i) {
            return (i % 2 ? QStringLiteral("\n[xl]\nk%1=1\n") : QStringLiteral("\n[XL]\nk%1=1\n"))
                .arg(i);
        });
        break;
    case KeysInProgramSections: // keys added by hand to every section the program reads
        text = repeatedUpTo(keys, [](int i) {
            static const QStringList sections{
                "dB-U", "XL", "XC", "RC-Glieder", "PS-Gleich", "Optionen", "Dezimalseparator"};
            return QStringLiteral("\n[%1]\nHand%2=%2\n").arg(sections[i % sections.size()]).arg(i);
        });
        break;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

const char* shapeName(int shape)
{
    static const char* names[] = {"many sections", "one long section", "long values",
                                  "repeated headers", "keys in program sections"};
    return names[shape];
}

// Start-up: the file read into a document and every window filled from it.
void BM_LoadSettings(benchmark::State& state)
{
    const QByteArray bytes = fileOfShape(static_cast<int>(state.range(0)));
    state.SetLabel(shapeName(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        const IniDocument ini = IniDocument::fromBytes(bytes);
        IniFileLaden(ini);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Closing: the file read again, every key set from the windows, the document written out.
void BM_WriteSettings(benchmark::State& state)
{
    const QByteArray bytes = fileOfShape(static_cast<int>(state.range(0)));
    state.SetLabel(shapeName(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        IniDocument ini = IniDocument::fromBytes(bytes);
        storeSettings(ini);
        benchmark::DoNotOptimize(ini.toBytes());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// The file the program writes itself, loaded at start-up and stored on closing, from and to
// the disk: the figure every user meets.
void BM_LoadProgramFile(benchmark::State& state)
{
    IniFileschreiben();
    const QString path = settingsFile();
    for (auto _ : state)
        IniFileLaden(readSettingsFile(path));
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void BM_StoreProgramFile(benchmark::State& state)
{
    IniFileschreiben();
    for (auto _ : state)
        IniFileschreiben();
}

void BM_LoadAndStoreProgramFile(benchmark::State& state)
{
    IniFileschreiben();
    const QString path = settingsFile();
    for (auto _ : state) {
        IniFileLaden(readSettingsFile(path));
        IniFileschreiben();
    }
}

} // namespace

BENCHMARK(BM_LoadProgramFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StoreProgramFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadAndStoreProgramFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadSettings)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSettings)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows start from an empty folder: no settings file of the user is read.
    QTemporaryDir folder;
    setProgramFolder(folder.path());
    createForms();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
