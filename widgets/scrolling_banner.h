// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ScrollingBanner: a one-line banner that scrolls its text over a wallpaper, one pixel per tick.
#pragma once

#include "widgets/drawing_types.h"
#include "widgets/face_painting.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>

class QPainter;

namespace prismora {

class TickThread;

enum class ScrollDirection { BottomToTop, TopToBottom, LeftToRight, RightToLeft };

// The banner is driven by its own TickThread. It takes its place when it is
// first shown (the text then stands at the restart position, e.g. just beyond
// the right edge) and starts scrolling if Active. Each tick moves the text one
// pixel; when it has left the control, textScrolled is emitted and the text
// restarts. Every tick paints the whole banner into an off-screen image at the
// screen's device pixel ratio, which paintEvent copies in one go. Text colour:
// the palette's WindowText.
class ScrollingBanner : public QWidget {
    Q_OBJECT

public:
    explicit ScrollingBanner(QWidget* parent = nullptr);
    ~ScrollingBanner() override;

    bool isActive() const { return m_active; }
    void setActive(bool active);

    // Milliseconds between two steps; the tick thread takes the low 16 bits.
    unsigned interval() const { return m_interval; }
    void setInterval(unsigned milliseconds);

    // The horizontal directions also set the alignment to left.
    ScrollDirection scrollDirection() const { return m_direction; }
    void setScrollDirection(ScrollDirection direction);

    // All lines are drawn, followed by one blank.
    const QStringList& strings() const { return m_strings; }
    void setStrings(const QStringList& strings);

    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    const QImage& wallpaper() const { return m_wallpaper; }
    void setWallpaper(const QImage& wallpaper);
    bool isStretched() const { return m_stretched; }
    void setStretched(bool stretched);
    // Without a wallpaper: true shows the parent through, false fills with color().
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    bool simpleView() const { return m_shadow.simpleView; }
    void setSimpleView(bool simple);
    QColor shadowColor() const { return m_shadow.color; }
    void setShadowColor(const QColor& color);
    std::uint8_t shadowSize() const { return m_shadow.size; }
    void setShadowSize(std::uint8_t size);
    ShadowPosition shadowPos() const { return m_shadow.position; }
    void setShadowPos(ShadowPosition position);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    // Where the text's top-left corner stands relative to the control.
    QPoint scrollOffset() const { return m_offset; }
    // Width and height of the text block as it is scrolled.
    QSize textExtent() const;

    // Puts the text at the restart position for the direction and size.
    void restartScroll();
    // One tick: moves the text one pixel (restarting it once it has left the
    // control) and repaints. Ticks of the tick thread call this.
    void scrollStep();

    // Paints background and text at the current offset; origin at the control's corner.
    void paintBanner(QPainter& painter) const;

signals:
    // The text has left the control. A directly connected slot may set
    // initialPosition to restart at the control's left-top corner instead.
    void textScrolled(bool& initialPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString blockText() const;
    int textFlags() const;
    QPoint restartPosition(bool initialPosition) const;
    void updateTickThread();
    void renderFrame();
    void refresh();

    std::unique_ptr<TickThread> m_tickThread;
    bool m_active = false;
    unsigned m_interval = 25;
    ScrollDirection m_direction = ScrollDirection::RightToLeft;
    QStringList m_strings;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    QImage m_wallpaper;
    bool m_stretched = false;
    bool m_transparent = false;
    TextShadow m_shadow;
    QColor m_color;
    QPoint m_offset;
    bool m_placed = false; // the first show has put the text at its restart position
    QImage m_frame;        // the banner as the last tick painted it
};

} // namespace prismora
