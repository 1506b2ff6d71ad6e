#include "ui/ShadedPicture.h"

#include "ui/Artwork.h"

#include <QEvent>
#include <QLabel>

ShadedPicture::ShadedPicture(QLabel& label, QString artwork)
    : QObject(&label), m_label(label), m_artwork(std::move(artwork)) {
    showInShade();
    label.installEventFilter(this);
}

bool ShadedPicture::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        showInShade();
    return QObject::eventFilter(watched, event);
}

void ShadedPicture::showInShade() {
    m_label.setPixmap(Artwork::pixmap(m_artwork, Artwork::shadeFor(m_label.palette())));
}
