#pragma once

// Program start: the application title and the nine windows, created once in their fixed
// order and living until the process ends. main() is createForms() plus the event loop.
class QWidget;

namespace ampero {

class TForm1;
class TForm2;
class TForm3;
class SpannungStromFenster;
class TForm9;

extern TForm1* Form1;               // main window
extern TForm2* Form2;               // info
extern TForm3* Form3;               // options
extern SpannungStromFenster* Form4; // voltages and currents: attenuator
extern SpannungStromFenster* Form5; // R network
extern SpannungStromFenster* Form6; // L network
extern SpannungStromFenster* Form7; // Pi network
extern SpannungStromFenster* Form8; // T network
extern TForm9* Form9;               // update

// Shows a secondary window (not modally) and brings it to the front.
void showWindow(QWidget* window);

} // namespace ampero

// Needs a QApplication. Shows the main window; does not run the event loop.
void createForms();
