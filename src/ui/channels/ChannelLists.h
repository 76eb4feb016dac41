#pragma once
// The choice lists shared by the channel windows. The item index is the
// record value, so the order of the items is part of the data format.

#include <QStringList>

class QComboBox;

// The items of a list column (see core/ChannelVocabulary.h).
QStringList Items(int columnNumber);

// Fills an editable tone list (translation tag -3: only "None" is translated).
void FillToneList(QComboBox* list);
