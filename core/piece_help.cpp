// The help sentences of the pieces and cannons, with directions named as the board shows them.
#include "core/piece_help.h"

#include "core/palette.h"

#include <array>

namespace prismora {
namespace {

// The way a beam goes, and the side it comes from, by direction (0 east,
// counting anticlockwise on the screen).
constexpr std::array<const char*, 8> Towards{
    "åt höger",   "snett uppåt höger",   "uppåt", "snett uppåt vänster",
    "åt vänster", "snett nedåt vänster", "nedåt", "snett nedåt höger"};
constexpr std::array<const char*, 8> From{
    "från höger",   "snett uppifrån höger",   "uppifrån", "snett uppifrån vänster",
    "från vänster", "snett nedifrån vänster", "nedifrån", "snett nedifrån höger"};

std::string towards(int direction) { return Towards[static_cast<std::size_t>(direction & 7)]; }
std::string from(int direction) { return From[static_cast<std::size_t>(direction & 7)]; }

std::string colourWord(std::int32_t colour)
{
    switch (colour) {
    case RedBeam:
        return "röd";
    case GreenBeam:
        return "grön";
    case BlueBeam:
        return "blå";
    default:
        return "";
    }
}

std::string lampHelp(const std::string& colour)
{
    return "Tänds när en " + colour + " stråle når den. Strålar går rakt igenom.";
}

} // namespace

std::string pieceHelp(PieceKind kind)
{
    switch (kind) {
    case PieceKind::Mirror:
        return "Speglar strålar som träffar den svarta sidan snett och viker av dem 90 grader; "
               "baksidan stoppar dem.";
    case PieceKind::DoubleMirror:
        return "Speglar strålar som träffar den snett, på båda sidorna, och viker av dem 90 "
               "grader.";
    case PieceKind::Cross:
        return "Böjer en stråle 45 grader mellan den raka och den sneda kanalen.";
    case PieceKind::TCoupling:
        return "Delar en stråle som kommer in genom foten i två, ut åt båda sidorna.";
    case PieceKind::TCoupling2:
        return "En stråle som kommer in genom ena armen går rakt fram och delas också av åt sidan.";
    case PieceKind::Inverter:
        return "Byter färg på strålen som går igenom: åt ena hållet blir röd grön, grön blå och "
               "blå röd, åt andra hållet tvärtom.";
    case PieceKind::YCoupling:
        return "Delar en stråle som kommer in genom foten i två grenar, snett åt var sitt håll.";
    case PieceKind::RedLamp:
        return lampHelp("röd");
    case PieceKind::GreenLamp:
        return lampHelp("grön");
    case PieceKind::BlueLamp:
        return lampHelp("blå");
    case PieceKind::WhiteLamp:
        return "Tänds när en röd, en grön och en blå stråle alla når den. Strålar går rakt igenom.";
    case PieceKind::Obstacle:
        return "Stoppar alla strålar.";
    case PieceKind::Bomb:
        return "Når en stråle bomben börjar nivån om.";
    case PieceKind::OneWay:
        return "Släpper bara igenom strålar som går åt pilarnas håll.";
    default:
        return "";
    }
}

std::string pieceHelpAt(PieceKind kind, std::uint8_t direction)
{
    const int d = direction & 7;
    switch (kind) {
    case PieceKind::Mirror:
        return "Den svarta sidan vetter " + towards(d) +
               " och viker av strålar som träffar den snett 90 grader. Strålar rakt framifrån, "
               "längs spegeln och mot baksidan stoppas.";
    case PieceKind::TCoupling:
        return "En stråle som kommer in " + from(d) + " delas i två: ut " + towards(d + 2) +
               " och " + towards(d + 6) + ". Andra strålar stoppas.";
    case PieceKind::TCoupling2:
        return "En stråle som kommer in " + from(d + 6) + " delas i två: ut " + towards(d) +
               " och rakt fram " + towards(d + 2) + ". Andra strålar stoppas.";
    case PieceKind::Inverter:
        return "En stråle som går " + towards(d) + ": röd blir grön, grön blå, blå röd. " +
               "En stråle som går " + towards(d + 4) +
               ": röd blir blå, blå grön, grön röd. Från sidorna stoppas strålen.";
    case PieceKind::YCoupling:
        return "En stråle som kommer in " + from(d) + " delas i två: " + towards(d + 3) + " och " +
               towards(d + 5) + ". Andra strålar stoppas.";
    case PieceKind::OneWay:
        return "Släpper bara igenom strålar som går " + towards(d) + ".";
    default:
        return pieceHelp(kind);
    }
}

std::string cannonHelp(std::int32_t colour)
{
    const std::string word = colourWord(colour);
    return word.empty() ? "Skjuter en stråle dit pipan pekar."
                        : "Skjuter en " + word + " stråle dit pipan pekar.";
}

std::string cannonHelpAt(std::int32_t colour, std::uint8_t direction)
{
    const std::string word = colourWord(colour);
    return "Skjuter en " + (word.empty() ? std::string() : word + " ") + "stråle " +
           towards(direction) + ".";
}

std::string paletteRowHelp(int row)
{
    if (const std::optional<std::int32_t> colour = cannonColourOfRow(row)) {
        return cannonHelp(*colour);
    }
    const std::optional<PieceKind> kind = kindOfRow(row);
    return kind ? pieceHelp(*kind) : std::string();
}

} // namespace prismora
