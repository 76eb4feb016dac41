#pragma once
// What may be typed into the channel fields. Like the radio's own keypad
// rules: frequencies take digits and one decimal point ("," enters "."),
// names the characters from blank to "z", ID codes digits, tones digits, "."
// and the letters D, I, N. Editing keys (Backspace, Enter, arrows, Delete)
// always pass; any other character is dropped.

#include <QObject>

class QWidget;

enum class KeyRule { Frequency, Name, Digits, Tone };

// Installs the rule on a line edit, or on the line edit of an editable combo box.
void InstallKeyRule(QWidget* editor, KeyRule rule);
// Whether a typed character passes the rule (after "," became ".").
bool KeyPasses(KeyRule rule, QChar c);
