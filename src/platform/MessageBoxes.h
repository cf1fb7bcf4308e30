#pragma once

#include <QString>

class QWidget;

namespace ampero {

// The application title: the caption of the standard report.
inline constexpr char16_t kApplicationTitle[] = u"Ampero V3.60";

// A modal message box with the error icon and one OK button, for entries the user can mend.
void showErrorMessage(QWidget* parent, const QString& text);

// A plain message box: the application title, no icon, one OK button.
void showPlainMessage(QWidget* parent, const QString& text);

// The standard report of an unhandled error: titled with the application title, the text
// with a full stop added by the full-stop rule.
void showStandardReport(QWidget* parent, const QString& message);

} // namespace ampero
