// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GradientButton: a push button whose face (wallpaper, gradient, edges, caption) is drawn by us.
#include "widgets/gradient_button.h"

#include "widgets/face_painting.h"
#include "widgets/store_if_changed.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>

namespace prismora {

namespace {

constexpr int kCaptionFlags =
    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;

// The caption as it appears on screen: "&x" shows x underlined, "&&" one ampersand.
QString visibleCaption(const QString& caption)
{
    QString visible;
    visible.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        visible += caption[i];
    }
    return visible;
}

} // namespace

GradientButton::GradientButton(QWidget* parent) : GradientButton(QString(), parent) {}

GradientButton::GradientButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), m_colorStart(palette().color(QPalette::Button)),
      m_colorEnd(palette().color(QPalette::Dark)), m_color(palette().color(QPalette::Button))
{
    m_shadow.color = palette().color(QPalette::Light);
    // Enter and Return click a focused button, as Space does, in any window.
    setAutoDefault(true);
}

GradientButton::FaceState GradientButton::currentFaceState() const
{
    FaceState state;
    state.pressed = isDown();
    state.focused = hasFocus();
    state.isDefault = isDefault();
    state.pointerInside = m_pointerInside;
    state.enabled = isEnabled();
    return state;
}

void GradientButton::paintFace(QPainter& painter, const FaceState& state)
{
    const QRect client = rect();
    paintBackground(painter, client);

    QRect face = client;
    if ((state.focused || state.isDefault) && m_paintOptions.testFlag(PaintOption::DrawDefault))
        drawFrame(painter, face, palette().color(QPalette::Shadow));
    if (state.pressed)
        drawSunkenInnerEdge(painter, face, palette());
    else if (!m_options.testFlag(Option::FlatBorder) || state.pointerInside)
        drawRaisedEdge(painter, face, palette());

    paintCaption(painter, state);

    if (state.focused && m_paintOptions.testFlag(PaintOption::DrawFocus))
        drawFocusRect(painter, client.adjusted(4, 4, -4, -4));
    emit drawButton(&painter, client);
}

void GradientButton::paintBackground(QPainter& painter, const QRect& rect)
{
    if (m_options.testFlag(Option::PaintTransparently)) {
        paintAncestorBackground(painter, rect);
    } else if (m_options.testFlag(Option::PaintWallpaper)) {
        const WallpaperFit fit = m_options.testFlag(Option::StretchWallpaper)
                                     ? WallpaperFit::Stretched
                                     : WallpaperFit::Tiled;
        paintWallpaper(painter, rect, m_wallpaper, fit);
    } else if (m_options.testFlag(Option::PaintGradiently)) {
        paintGradient(painter, rect, m_colorStart, m_colorEnd, m_gradientDirection);
    } else {
        painter.fillRect(rect, m_color);
    }
}

// Renders the part of an ancestor that lies behind the button, without any
// child widgets (so the button never paints itself recursively).
void GradientButton::paintAncestorBackground(QPainter& painter, const QRect& rect)
{
    QWidget* reached = this;
    for (int level = 0; level < m_transparencyLevel && !reached->isWindow(); ++level)
        reached = reached->parentWidget();
    QWidget* source = reached->isWindow() ? reached : reached->parentWidget();
    if (source == this) {
        painter.fillRect(rect, palette().color(QPalette::Window));
        return;
    }
    const QRect behind(mapTo(source, rect.topLeft()), rect.size());
    // Captured at the painter's device pixel ratio, so it stays sharp on a 2x screen.
    QImage picture = makeDeviceImage(rect.size(), painter.device()->devicePixelRatio());
    source->render(&picture, QPoint(), QRegion(behind), QWidget::DrawWindowBackground);
    painter.drawImage(rect.topLeft(), picture);
}

void GradientButton::paintCaption(QPainter& painter, const FaceState& state)
{
    const QString caption = text();
    if (caption.isEmpty())
        return;
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(visibleCaption(caption));
    const int textHeight = metrics.height();
    int left = (width() - textWidth + 1) / 2;
    int top = (height() - textHeight + 1) / 2;
    if (state.pressed) {
        ++left;
        ++top;
    }

    const TextLook look = makeTextLook(palette(), QPalette::ButtonText, m_shadow,
                                       state.enabled ? TextState::Enabled : TextState::Disabled);

    painter.save();
    painter.setClipRect(rect());
    painter.setFont(font());
    drawLookedText(painter, QRect(left, top, textWidth, textHeight), kCaptionFlags, caption, look);
    painter.restore();
}

void GradientButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintFace(painter, currentFaceState());
}

void GradientButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    m_pointerInside = true;
    if (m_options.testFlag(Option::FlatBorder))
        update();
    emit mouseEntered();
}

void GradientButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    m_pointerInside = false;
    if (m_options.testFlag(Option::FlatBorder))
        update();
    emit mouseLeft();
}

void GradientButton::setOptions(Options options)
{
    if (storeIfChanged(m_options, options))
        update();
}

void GradientButton::setWallpaper(const QImage& wallpaper)
{
    if (storeIfChanged(m_wallpaper, wallpaper))
        update();
}

void GradientButton::repaintIfGradient()
{
    if (m_options.testFlag(Option::PaintGradiently))
        update();
}

void GradientButton::setColorStart(const QColor& color)
{
    if (storeIfChanged(m_colorStart, color))
        repaintIfGradient();
}

void GradientButton::setColorEnd(const QColor& color)
{
    if (storeIfChanged(m_colorEnd, color))
        repaintIfGradient();
}

void GradientButton::setGradientDirection(GradientDirection direction)
{
    if (storeIfChanged(m_gradientDirection, direction))
        repaintIfGradient();
}

void GradientButton::setSimpleView(bool simple)
{
    if (storeIfChanged(m_shadow.simpleView, simple))
        update();
}

void GradientButton::shadowChanged()
{
    m_shadow.simpleView = false;
    update();
}

void GradientButton::setShadowColor(const QColor& color)
{
    if (storeIfChanged(m_shadow.color, color))
        shadowChanged();
}

void GradientButton::setShadowSize(std::uint8_t size)
{
    if (storeIfChanged(m_shadow.size, size))
        shadowChanged();
}

void GradientButton::setShadowPos(ShadowPosition position)
{
    if (storeIfChanged(m_shadow.position, position))
        shadowChanged();
}

void GradientButton::setTransparencyLevel(std::uint8_t level)
{
    if (storeIfChanged(m_transparencyLevel, level))
        update();
}

void GradientButton::setPaintOptions(PaintOptions options)
{
    if (storeIfChanged(m_paintOptions, options))
        update();
}

void GradientButton::setColor(const QColor& color)
{
    if (storeIfChanged(m_color, color))
        update();
}

} // namespace prismora
