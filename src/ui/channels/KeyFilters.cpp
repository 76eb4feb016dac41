#include "KeyFilters.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class KeyRuleFilter : public QObject {
public:
    KeyRuleFilter(KeyRule rule, QObject* parent) : QObject(parent), rule_(rule) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || text[0] < QChar(' ') || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;  // editing keys and shortcuts
        QChar c = text[0];
        if (rule_ == KeyRule::Frequency && c == ',') {
            // Both separators enter the one the frequencies are shown with.
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->insert(".");
            return true;
        }
        return !KeyPasses(rule_, c);
    }

private:
    KeyRule rule_;
};

}  // namespace

bool KeyPasses(KeyRule rule, QChar c) {
    switch (rule) {
        case KeyRule::Frequency: return c.isDigit() || c == '.';
        case KeyRule::Name: return c >= QChar(' ') && c <= QChar('z');
        case KeyRule::Digits: return c >= QChar('0') && c <= QChar('9');
        case KeyRule::Tone:
            return (c >= QChar('0') && c <= QChar('9')) || c == '.' || QString("DINdin").contains(c);
    }
    return false;
}

void InstallKeyRule(QWidget* editor, KeyRule rule) {
    QWidget* target = editor;
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit()) target = combo->lineEdit();
    target->installEventFilter(new KeyRuleFilter(rule, target));
}
