// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ScrollingBanner: a one-line banner that scrolls its text over a wallpaper, one pixel per tick.
#include "widgets/scrolling_banner.h"

#include "widgets/face_painting.h"
#include "widgets/store_if_changed.h"
#include "widgets/tick_thread.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace prismora {

ScrollingBanner::ScrollingBanner(QWidget* parent)
    : QWidget(parent), m_tickThread(std::make_unique<TickThread>([this] { scrollStep(); })),
      m_color(palette().color(QPalette::Button))
{
    m_shadow.color = palette().color(QPalette::Light);
    resize(97, 15);
}

ScrollingBanner::~ScrollingBanner()
{
    // The thread goes first, so no tick can reach a half-destroyed banner.
    m_tickThread.reset();
}

void ScrollingBanner::setActive(bool active)
{
    if (storeIfChanged(m_active, active)) {
        updateTickThread();
        refresh();
    }
}

void ScrollingBanner::setInterval(unsigned milliseconds)
{
    if (storeIfChanged(m_interval, milliseconds)) {
        updateTickThread();
        refresh();
    }
}

void ScrollingBanner::setScrollDirection(ScrollDirection direction)
{
    if (!storeIfChanged(m_direction, direction))
        return;
    if (direction == ScrollDirection::LeftToRight || direction == ScrollDirection::RightToLeft)
        m_alignment = Qt::AlignLeft;
    refresh();
}

void ScrollingBanner::setStrings(const QStringList& strings)
{
    if (storeIfChanged(m_strings, strings))
        refresh();
}

void ScrollingBanner::setAlignment(Qt::Alignment alignment)
{
    if (storeIfChanged(m_alignment, alignment & Qt::AlignHorizontal_Mask))
        refresh();
}

void ScrollingBanner::setWallpaper(const QImage& wallpaper)
{
    if (storeIfChanged(m_wallpaper, wallpaper))
        refresh();
}

void ScrollingBanner::setStretched(bool stretched)
{
    if (storeIfChanged(m_stretched, stretched))
        refresh();
}

void ScrollingBanner::setTransparent(bool transparent)
{
    if (storeIfChanged(m_transparent, transparent))
        refresh();
}

void ScrollingBanner::setSimpleView(bool simple)
{
    if (storeIfChanged(m_shadow.simpleView, simple))
        refresh();
}

void ScrollingBanner::setShadowColor(const QColor& color)
{
    if (storeIfChanged(m_shadow.color, color))
        refresh();
}

void ScrollingBanner::setShadowSize(std::uint8_t size)
{
    if (storeIfChanged(m_shadow.size, size))
        refresh();
}

void ScrollingBanner::setShadowPos(ShadowPosition position)
{
    if (storeIfChanged(m_shadow.position, position))
        refresh();
}

void ScrollingBanner::setColor(const QColor& color)
{
    if (storeIfChanged(m_color, color))
        refresh();
}

QString ScrollingBanner::blockText() const
{
    QString text;
    for (const QString& line : m_strings)
        text += line + u'\n';
    return text + u' ';
}

int ScrollingBanner::textFlags() const
{
    int flags = static_cast<int>(m_alignment) | Qt::AlignTop | Qt::TextExpandTabs;
    if (m_strings.size() >= 2)
        flags |= Qt::TextWordWrap;
    return flags;
}

QSize ScrollingBanner::textExtent() const
{
    const QRect measured =
        QFontMetrics(font()).boundingRect(QRect(0, 0, width(), 0), textFlags(), blockText());
    return measured.size();
}

QPoint ScrollingBanner::restartPosition(bool initialPosition) const
{
    if (initialPosition)
        return {0, 0};
    switch (m_direction) {
    case ScrollDirection::BottomToTop:
        return {0, height()};
    case ScrollDirection::TopToBottom:
        return {0, -height()};
    case ScrollDirection::LeftToRight:
        return {-width(), 0};
    case ScrollDirection::RightToLeft:
        return {width(), 0};
    }
    return {0, 0};
}

void ScrollingBanner::restartScroll()
{
    m_offset = restartPosition(false);
    refresh();
}

void ScrollingBanner::scrollStep()
{
    const QSize extent = textExtent();
    bool restart = false;
    switch (m_direction) {
    case ScrollDirection::BottomToTop:
        restart = !(m_offset.y() > -extent.height());
        if (!restart)
            m_offset.ry() -= 1;
        break;
    case ScrollDirection::TopToBottom:
        restart = !(m_offset.y() < height());
        if (!restart)
            m_offset.ry() += 1;
        break;
    case ScrollDirection::LeftToRight:
        restart = !(m_offset.x() < width());
        if (!restart)
            m_offset.rx() += 1;
        break;
    case ScrollDirection::RightToLeft:
        restart = !(m_offset.x() > -extent.width());
        if (!restart)
            m_offset.rx() -= 1;
        break;
    }
    if (restart) {
        bool initialPosition = false;
        emit textScrolled(initialPosition);
        m_offset = restartPosition(initialPosition);
    }
    renderFrame();
    update();
}

void ScrollingBanner::paintBanner(QPainter& painter) const
{
    const QRect client = rect();
    if (!m_wallpaper.isNull())
        paintWallpaper(painter, client, m_wallpaper,
                       m_stretched ? WallpaperFit::Stretched : WallpaperFit::Tiled);
    else if (!m_transparent)
        painter.fillRect(client, m_color);

    // Left-aligned text starts at the offset; otherwise it is aligned between
    // the offset and the control's right edge. Nothing is clipped to that box.
    const QSize extent = textExtent();
    const int boxWidth =
        m_alignment == Qt::AlignLeft ? width() : std::max(1, width() - m_offset.x());
    const QRect box(m_offset.x(), m_offset.y(), boxWidth, std::max(1, extent.height()));

    const TextLook look = makeTextLook(palette(), QPalette::WindowText, m_shadow,
                                       isEnabled() ? TextState::Enabled : TextState::Disabled);

    painter.save();
    painter.setFont(font());
    drawLookedText(painter, box, textFlags() | Qt::TextDontClip, blockText(), look);
    painter.restore();
}

void ScrollingBanner::renderFrame()
{
    m_frame = makeDeviceImage(size(), devicePixelRatio());
    QPainter painter(&m_frame);
    paintBanner(painter);
}

void ScrollingBanner::refresh()
{
    m_frame = QImage();
    update();
}

void ScrollingBanner::updateTickThread()
{
    if (!m_placed)
        return;
    m_tickThread->setInterval(static_cast<std::uint16_t>(m_interval));
    m_tickThread->setEnabled(m_active);
}

void ScrollingBanner::paintEvent(QPaintEvent*)
{
    // A new size or a move to a screen with another pixel ratio needs a new frame.
    const qreal ratio = devicePixelRatio();
    if (m_frame.devicePixelRatio() != ratio || m_frame.size() != deviceImageSize(size(), ratio))
        renderFrame();
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
}

void ScrollingBanner::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    restartScroll();
    updateTickThread();
}

void ScrollingBanner::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_frame = QImage();
}

void ScrollingBanner::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
        refresh();
        break;
    default:
        break;
    }
}

} // namespace prismora
