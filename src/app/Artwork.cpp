#include "Artwork.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

namespace {

// A rounded badge with a short text: simple, legible at 16 pixels.
QIcon Badge(const QColor& colour, const QString& text) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker(140));
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(text.size() > 2 ? 11 : 15);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pm.rect(), Qt::AlignCenter, text);
    return QIcon(pm);
}

QIcon Radio() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(12, 3, 12, 9);  // antenna
    p.setBrush(QColor(50, 90, 150));
    p.drawRoundedRect(QRectF(8, 9, 16, 21), 3, 3);
    p.setBrush(QColor(170, 220, 170));
    p.drawRect(QRectF(11, 12, 10, 6));
    return QIcon(pm);
}

QIcon Standard(QStyle::StandardPixmap sp) { return QApplication::style()->standardIcon(sp); }

}  // namespace

QIcon ArtIcon(Art art) {
    switch (art) {
        case Art::New: return Standard(QStyle::SP_FileIcon);
        case Art::Open: return Standard(QStyle::SP_DialogOpenButton);
        case Art::Save: return Standard(QStyle::SP_DialogSaveButton);
        case Art::ChannelEdit: return Badge(QColor(60, 120, 60), "CH");
        case Art::Print: return Badge(QColor(90, 90, 90), "P");
        case Art::Port: return Badge(QColor(150, 100, 30), "COM");
        case Art::Read: return Standard(QStyle::SP_ArrowDown);
        case Art::Write: return Standard(QStyle::SP_ArrowUp);
        case Art::Help: return Badge(QColor(40, 110, 190), "?");
        case Art::RadioInfo: return Badge(QColor(40, 90, 160), "i");
        case Art::FreqChannel: return Badge(QColor(120, 60, 140), "VF");
        case Art::Channels: return Badge(QColor(60, 120, 60), "M");
        case Art::Fm: return Badge(QColor(180, 80, 40), "FM");
        case Art::Vox: return Badge(QColor(160, 50, 90), "V");
        case Art::Scan: return Badge(QColor(30, 130, 130), "S");
        case Art::Optional: return Badge(QColor(100, 100, 40), "O");
        case Art::Dtmf: return Badge(QColor(70, 70, 150), "#");
        case Art::Application: return Radio();
    }
    return {};
}

QPixmap BackgroundTile() {
    QPixmap tile(96, 96);
    tile.fill(QColor(214, 222, 232));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 210, 222), 1.5));
    // faint radio waves
    for (int r = 12; r <= 60; r += 16) p.drawArc(QRectF(-r, 96 - r, 2 * r, 2 * r), 0, 90 * 16);
    return tile;
}
