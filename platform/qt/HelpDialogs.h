// The desktop views of the information, revision-history and about windows.
#pragma once

#include "app/RichText.h"
#include "app/SimForm.h"
#include "platform/qt/QtPlatform.h"

class QTextDocument;
class QWidget;

namespace qd::qt {

// Puts the views of these windows into the window system by name.
void RegisterHelpDialogs(QtWindowSystem& windows, TSimForm& form);

// The views, shown modally over `parent`.
void ShowSimulatorInformation(TSimForm& form, QWidget* parent);
void ShowRevisionHistory(TSimForm& form, QWidget* parent);
void ShowAboutBox(TSimForm& form, QWidget* parent);

// Replaces the document's content with the paragraphs and runs of a page.
void FillDocument(QTextDocument& document, const RichTextDocument& page);

}  // namespace qd::qt
