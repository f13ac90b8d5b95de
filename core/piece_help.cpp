// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help sentences of the pieces and cannons, with directions named as the board shows them.
#include "core/piece_help.h"

#include "core/palette.h"

#include <array>

namespace prismora {
namespace {

// The way a beam goes, and the side it comes from, by direction (0 east,
// counting anticlockwise on the screen).
constexpr std::array<const char*, 8> Towards{
    QT_TRANSLATE_NOOP("prismora::CoreText", "åt höger"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett uppåt höger"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "uppåt"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett uppåt vänster"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "åt vänster"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett nedåt vänster"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "nedåt"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett nedåt höger")};
constexpr std::array<const char*, 8> From{
    QT_TRANSLATE_NOOP("prismora::CoreText", "från höger"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett uppifrån höger"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "uppifrån"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett uppifrån vänster"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "från vänster"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett nedifrån vänster"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "nedifrån"),
    QT_TRANSLATE_NOOP("prismora::CoreText", "snett nedifrån höger")};

LocalText text(const char* source, std::vector<LocalText> arguments = {})
{
    return {source, std::move(arguments)};
}

LocalText from(int direction) { return text(From[static_cast<std::size_t>(direction & 7)]); }

} // namespace

LocalText towardsText(int direction)
{
    return text(Towards[static_cast<std::size_t>(direction & 7)]);
}

LocalText colourText(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "röd"));
    case GreenBeam:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "grön"));
    case BlueBeam:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "blå"));
    default:
        return {};
    }
}

LocalText pieceHelp(PieceKind kind)
{
    switch (kind) {
    case PieceKind::Mirror:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Speglar strålar som träffar den svarta sidan snett och "
                                      "viker av dem 90 grader; baksidan stoppar dem."));
    case PieceKind::DoubleMirror:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Speglar strålar som träffar den snett, på båda sidorna, och "
                                      "viker av dem 90 grader."));
    case PieceKind::Cross:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Böjer en stråle 45 grader mellan den raka och den sneda "
                                      "kanalen."));
    case PieceKind::TCoupling:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Delar en stråle som kommer in genom foten i två, ut åt båda "
                                      "sidorna."));
    case PieceKind::TCoupling2:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "En stråle som kommer in genom ena armen går rakt fram och "
                                      "delas också av åt sidan."));
    case PieceKind::Inverter:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Byter färg på strålen som går igenom: åt ena hållet blir "
                                      "röd grön, grön blå och blå röd, åt andra hållet tvärtom."));
    case PieceKind::YCoupling:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Delar en stråle som kommer in genom foten i två grenar, "
                                      "snett åt var sitt håll."));
    case PieceKind::RedLamp:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Tänds när en röd stråle når den. Strålar går rakt igenom."));
    case PieceKind::GreenLamp:
        return text(QT_TRANSLATE_NOOP(
            "prismora::CoreText", "Tänds när en grön stråle når den. Strålar går rakt igenom."));
    case PieceKind::BlueLamp:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Tänds när en blå stråle når den. Strålar går rakt igenom."));
    case PieceKind::WhiteLamp:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Tänds när en röd, en grön och en blå stråle alla når den. "
                                      "Strålar går rakt igenom."));
    case PieceKind::Obstacle:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "Stoppar alla strålar."));
    case PieceKind::Bomb:
        return text(
            QT_TRANSLATE_NOOP("prismora::CoreText", "Når en stråle bomben börjar nivån om."));
    case PieceKind::OneWay:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Släpper bara igenom strålar som går åt pilarnas håll."));
    default:
        return {};
    }
}

LocalText pieceHelpAt(PieceKind kind, std::uint8_t direction)
{
    const int d = direction & 7;
    switch (kind) {
    case PieceKind::Mirror:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "Den svarta sidan vetter %1 och viker av strålar som träffar "
                                      "den snett 90 grader. Strålar rakt framifrån, längs spegeln "
                                      "och mot baksidan stoppas."),
                    {towardsText(d)});
    case PieceKind::TCoupling:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "En stråle som kommer in %1 delas i två: ut %2 och %3. Andra "
                                      "strålar stoppas."),
                    {from(d), towardsText(d + 2), towardsText(d + 6)});
    case PieceKind::TCoupling2:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "En stråle som kommer in %1 delas i två: ut %2 och rakt fram "
                                      "%3. Andra strålar stoppas."),
                    {from(d + 6), towardsText(d), towardsText(d + 2)});
    case PieceKind::Inverter:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "En stråle som går %1: röd blir grön, grön blå, blå röd. En "
                                      "stråle som går %2: röd blir blå, blå grön, grön röd. Från "
                                      "sidorna stoppas strålen."),
                    {towardsText(d), towardsText(d + 4)});
    case PieceKind::YCoupling:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText",
                                      "En stråle som kommer in %1 delas i två: %2 och %3. Andra "
                                      "strålar stoppas."),
                    {from(d), towardsText(d + 3), towardsText(d + 5)});
    case PieceKind::OneWay:
        return text(
            QT_TRANSLATE_NOOP("prismora::CoreText", "Släpper bara igenom strålar som går %1."),
            {towardsText(d)});
    default:
        return pieceHelp(kind);
    }
}

LocalText cannonHelp(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return text(
            QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en röd stråle dit pipan pekar."));
    case GreenBeam:
        return text(
            QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en grön stråle dit pipan pekar."));
    case BlueBeam:
        return text(
            QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en blå stråle dit pipan pekar."));
    default:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en stråle dit pipan pekar."));
    }
}

LocalText cannonHelpAt(std::int32_t colour, std::uint8_t direction)
{
    const LocalText towards = towardsText(direction);
    switch (colour) {
    case RedBeam:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en röd stråle %1."),
                    {towards});
    case GreenBeam:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en grön stråle %1."),
                    {towards});
    case BlueBeam:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en blå stråle %1."),
                    {towards});
    default:
        return text(QT_TRANSLATE_NOOP("prismora::CoreText", "Skjuter en stråle %1."), {towards});
    }
}

LocalText paletteRowHelp(int row)
{
    if (const std::optional<std::int32_t> colour = cannonColourOfRow(row)) {
        return cannonHelp(*colour);
    }
    const std::optional<PieceKind> kind = kindOfRow(row);
    return kind ? pieceHelp(*kind) : LocalText{};
}

} // namespace prismora
