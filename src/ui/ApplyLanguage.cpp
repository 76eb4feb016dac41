#include "ApplyLanguage.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "QtText.h"
#include "core/Globals.h"
#include "files/IniFile.h"
#include "files/SetLanguage.h"

namespace {

class Translator {
public:
    Translator(const IniFile& file, const QString& section) : file_(file), section_(S(section)) {}

    QString Text(const QString& key, const QString& current) const {
        return Q(file_.ReadString(section_, S(key), S(current)));
    }

    void Component(QObject* o) const {
        const QString name = o->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) return;
        const QString caption = name + ".Caption";
        if (auto* label = qobject_cast<QLabel*>(o)) {
            label->setText(Text(caption, label->text()));
        } else if (auto* action = qobject_cast<QAction*>(o)) {
            action->setText(Text(caption, action->text()));
            const QString hint = Text(name + ".Hint", action->statusTip());
            action->setStatusTip(hint);
            action->setToolTip(hint);
        } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
            button->setText(Text(caption, button->text()));
            if (qobject_cast<QToolButton*>(o)) button->setToolTip(Text(name + ".Hint", button->toolTip()));
        } else if (auto* table = qobject_cast<QTableWidget*>(o)) {
            if (table->property(ValueListProperty).toBool()) ValueList(table, name);
        } else if (auto* combo = qobject_cast<QComboBox*>(o)) {
            const int tag = combo->property(ListTagProperty).toInt();
            if (tag == TagNeverTranslated) return;
            const int index = combo->currentIndex();
            const int last = tag == TagFirstItemOnly ? std::min(1, combo->count()) : combo->count();
            for (int i = 0; i < last; ++i) combo->setItemText(i, Text(name + "." + QString::number(i), combo->itemText(i)));
            combo->setCurrentIndex(index);
        } else if (auto* group = qobject_cast<QGroupBox*>(o)) {
            group->setTitle(Text(caption, group->title()));
        } else if (auto* list = qobject_cast<QListWidget*>(o)) {
            if (list->property(ListTagProperty).toInt() == TagNeverTranslated) return;
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setText(Text(name + "." + QString::number(i), list->item(i)->text()));
        } else if (auto* page = qobject_cast<QWidget*>(o)) {
            TabSheet(page, caption);
        }
    }

private:
    void ValueList(QTableWidget* table, const QString& name) const {
        for (int r = 1; r <= table->rowCount(); ++r) {
            QTableWidgetItem* cell = table->item(r - 1, 1);
            if (cell) cell->setText(Text(name + "." + QString::number(r), cell->text()));
        }
    }

    // A page of a QTabWidget is a child of the tab widget's stack.
    void TabSheet(QWidget* page, const QString& caption) const {
        auto* stack = qobject_cast<QStackedWidget*>(page->parent());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parent()) : nullptr;
        if (!tabs) return;
        const int index = tabs->indexOf(page);
        if (index >= 0) tabs->setTabText(index, Text(caption, tabs->tabText(index)));
    }

    const IniFile& file_;
    std::string section_;
};

}  // namespace

void ApplyLanguage(QWidget* window, bool force) {
    if (!force && All().LanguageId == 0) return;  // index 0 is the language of the window designs
    const IniFile file(LanguageFilePath(All().LanguageName));
    const Translator translator(file, window->objectName());
    window->setWindowTitle(translator.Text(window->objectName() + ".Caption", window->windowTitle()));
    for (QObject* o : window->findChildren<QObject*>()) translator.Component(o);
}
