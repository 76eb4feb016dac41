#pragma once
// Localises a window from the current language file: section = the window's
// object name, keys = control names + ".Caption", ".Hint" or "." + item index.
// Missing keys leave the texts as they are.

#include <QString>

class QWidget;

// List controls carry their translation rule in the property "tag".
constexpr const char* ListTagProperty = "tag";
constexpr int TagNeverTranslated = -2;
constexpr int TagFirstItemOnly = -3;
// A two-column QTableWidget with this property set is a value list.
constexpr const char* ValueListProperty = "valueList";

void ApplyLanguage(QWidget* window, bool force);
