#include "ChannelLists.h"

#include <QComboBox>

#include "core/ToneCodec.h"
#include "ui/ApplyLanguage.h"

QStringList ToneChoiceItems() {
    QStringList items{"None"};
    for (int i = 1; i < ToneListSize; ++i) items << QString::fromStdString(ToneListItem(i));
    return items;
}

QStringList PowerItems() { return {"Low", "High"}; }
QStringList BandwidthItems() { return {"Narrow", "Wide"}; }
QStringList PttIdItems() { return {"Off", "BOT", "EOT", "Both"}; }
QStringList VoiceModeItems() { return {"None", "Compander", "Scrambler", "Both"}; }

void FillToneList(QComboBox* list) {
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);  // typed tones are normalised, not completed to a listed one
    list->setMaxVisibleItems(20);
    list->addItems(ToneChoiceItems());
    list->setProperty(ListTagProperty, TagFirstItemOnly);
}
