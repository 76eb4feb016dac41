#pragma once
// The program's pictures, drawn in code: tool and tree icons and the tiled
// background of the main window.

#include <QIcon>
#include <QPixmap>

enum class Art {
    New, Open, Save, ChannelEdit, Print, Port, Read, Write, Help,
    RadioInfo, FreqChannel, Channels, Fm, Vox, Scan, Optional, Dtmf, Application,
};

QIcon ArtIcon(Art art);
QPixmap BackgroundTile();
