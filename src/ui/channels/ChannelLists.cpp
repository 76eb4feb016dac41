#include "ChannelLists.h"

#include <QComboBox>

#include "core/ChannelVocabulary.h"
#include "ui/ApplyLanguage.h"

namespace {
QStringList ToQt(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << QString::fromStdString(item);
    return list;
}
}  // namespace

QStringList Items(int columnNumber) { return ToQt(ListItems(columnNumber)); }

void FillToneList(QComboBox* list) {
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);  // typed tones are normalised, not completed to a listed one
    list->setMaxVisibleItems(20);
    list->addItems(ToQt(ToneChoiceTexts()));
    list->setProperty(ListTagProperty, TagFirstItemOnly);
}
