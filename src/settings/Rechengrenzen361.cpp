#include "Rechengrenzen361.h"

#include "app/Ampero361.h"
#include "app/Main361.h"
#include "Load361.h"
#include "Optionen361.h"
#include "pages/Page.h"
#include "ProgramState.h"
#include "widgets/PageControl.h"
#include "widgets/RadioGroup.h"

namespace ampero {

void Eingabefelder_laden()
{
    forgetIncompleteLoad();                  // nothing of an earlier file is left to keep
    Form3->RG_Nachkomma->setItemIndex(2);    // "3 Stellen"
    Form1->PageControl1->setCurrentIndex(2); // "dBm"
    Form3->UI_Position->setItemIndex(2);     // "rechts neben dem Hauptfenster"
    for (Page* page : Form1->pages())
        page->loadFactoryDefaults();
    Parameter_geladen = true;
}

} // namespace ampero
