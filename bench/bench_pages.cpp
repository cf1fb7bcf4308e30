// How long the pages take, offscreen and without painting: Enter in a typical input field of
// every page through its real handler, until every result field and memo is written, and the
// re-formatting of all pages after a change of notation. The pages are found through the main
// window, so every page it holds is measured.
#include "app/Ampero361.h"
#include "app/Main361.h"
#include "pages/Page.h"
#include "platform/Folders.h"
#include "settings/Optionen361.h"
#include "values/DisplayOptions.h"
#include "widgets/EditField.h"
#include "widgets/PageControl.h"
#include "windows/Frequenzgang.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace ampero;

namespace {

// A message box during a run would wait for a user: it is answered and counted as a fault.
class BoxCloser : public QObject {
public:
    int boxes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++boxes;
                std::fprintf(stderr, "message box: %s\n", qPrintable(box->text()));
                QMetaObject::invokeMethod(
                    box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
            }
        return false;
    }
};
BoxCloser g_boxes;
int g_faults = 0; // message boxes during a measurement

// The page's first input field in sight whose Enter calculates: the one its user starts with.
// (A factory text can be one that the field's own check refuses, such as the T network's
// bandwidth; a refusal is not what the figure is about.)
EditField* typicalField(Page* page)
{
    Form1->PageControl1->setCurrentWidget(page);
    QList<EditField*> fields = page->findChildren<EditField*>();
    // The frequency first where a page has one: on the matching pages the bandwidth, their
    // first field, calculates only when it changes the selection of the operating Q.
    std::stable_partition(fields.begin(), fields.end(), [](const EditField* f) {
        return f->objectName().endsWith(QLatin1String("_E_F"));
    });
    for (EditField* f : fields)
        if (f->mapsDecimalKey() && f->isVisible() && f->isEnabled()) {
            const int boxesBefore = g_boxes.boxes;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(f, &press);
            QApplication::processEvents();
            if (g_boxes.boxes == boxesBefore)
                return f;
        }
    return nullptr;
}

void BM_Enter(benchmark::State& state, Page* page, EditField* field)
{
    Form1->PageControl1->setCurrentWidget(page);
    field->setFocus();
    const int boxesBefore = g_boxes.boxes;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(field, &press);
    }
    if (g_boxes.boxes != boxesBefore) {
        state.SkipWithError("Enter opened a message box");
        ++g_faults;
    }
    state.SetLabel(field->objectName().toStdString());
}

// The page's frequency response window, made by a click on its button and hidden again; null
// where the page has none.
Frequenzgang* openedResponse(Page* page)
{
    Form1->PageControl1->setCurrentWidget(page);
    for (QPushButton* b : page->findChildren<QPushButton*>())
        if (b->objectName().endsWith(QLatin1String("_B_FG"))) {
            b->click();
            QApplication::processEvents();
            if (auto* response = page->findChild<Frequenzgang*>()) {
                response->hide();
                return response;
            }
        }
    return nullptr;
}

// The same with the page's frequency response window open, which sweeps and rebuilds its
// plot on every calculation.
void BM_EnterWithResponse(benchmark::State& state, Page* page, EditField* field,
                          Frequenzgang* response)
{
    response->show();
    QApplication::processEvents();
    BM_Enter(state, page, field);
    response->hide();
}

// Every page shown again in the next notation, as a click in the options window does it.
void BM_Reformat(benchmark::State& state)
{
    int n = 0;
    for (auto _ : state) {
        setNotation(static_cast<Notation>(n++ % 3));
        TForm3::Anzeige_Format();
    }
    setNotation(Notation::Prefix);
    TForm3::Anzeige_Format();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder; // the factory values, no settings file of the user
    setProgramFolder(folder.path());
    createForms();
    app.installEventFilter(&g_boxes);

    for (Page* page : Form1->pages())
        if (EditField* field = typicalField(page))
            benchmark::RegisterBenchmark(
                ("BM_Enter/" + page->objectName()).toStdString().c_str(),
                [page, field](benchmark::State& state) { BM_Enter(state, page, field); })
                ->Unit(benchmark::kMicrosecond);
    for (Page* page : Form1->pages())
        if (Frequenzgang* response = openedResponse(page))
            if (EditField* field = typicalField(page))
                benchmark::RegisterBenchmark(
                    ("BM_EnterWithResponse/" + page->objectName()).toStdString().c_str(),
                    [page, field, response](benchmark::State& state) {
                        BM_EnterWithResponse(state, page, field, response);
                    })
                    ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_Reformat", BM_Reformat)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return g_faults == 0 ? 0 : 1;
}
