#pragma once
// The choice lists shared by the channel windows. The item index is the
// record value, so the order of the items is part of the data format.

#include <QStringList>

class QComboBox;

QStringList ToneChoiceItems();  // "None", 50 CTCSS tones, 106 DCS codes N, the same I
QStringList PowerItems();       // "Low", "High"
QStringList BandwidthItems();   // "Narrow", "Wide"
QStringList PttIdItems();       // "Off", "BOT", "EOT", "Both"
QStringList VoiceModeItems();   // "None", "Compander", "Scrambler", "Both"

// Fills an editable tone list (translation tag -3: only "None" is translated).
void FillToneList(QComboBox* list);
