// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window's text: rules, a table of the pieces drawn by the board's code, and the keys.
#include "app/help_dialog.h"

#include "core/palette.h"
#include "core/piece_help.h"
#include "view/palette_list.h"
#include "view/piece_icons.h"
#include "view/translated_text.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace prismora {
namespace {

const char* const RulesText = QT_TRANSLATE_NOOP(
    "prismora::HelpDialog",
    "<h2>Så spelar du</h2>"
    "<p>Laserkanonerna skjuter röda, gröna och blå strålar över brädet. Lägg ut bitarna i "
    "listan till höger så att varje lampa nås av en stråle i sin egen färg; en vit lampa "
    "behöver en röd, en grön och en blå stråle. Når en stråle en bomb börjar nivån om. När "
    "alla lampor lyser har du klarat nivån.</p>"
    "<p>Dubbelklicka på en rad i listan för att ta en bit: den hamnar i rutan längst upp till "
    "vänster. Dra den dit du vill med vänster musknapp och vrid den med höger musknapp eller "
    "mushjulet. Släpp den utanför brädet för att lägga tillbaka den i listan.</p>"
    "<h3>Bitarna</h3>");

const char* const KeysText = QT_TRANSLATE_NOOP(
    "prismora::HelpDialog",
    "<h3>Tangenterna</h3><table cellspacing='2'>"
    "<tr><td><b>Tab</b></td><td>flyttar tangentbordet till brädet</td></tr>"
    "<tr><td><b>Piltangenterna</b></td><td>flyttar markören, och biten du bär</td></tr>"
    "<tr><td><b>Mellanslag, Enter</b></td><td>tar upp eller lägger ner biten under "
    "markören</td></tr>"
    "<tr><td><b>R, Skift+R</b></td><td>vrider biten moturs, medurs</td></tr>"
    "<tr><td><b>Delete</b></td><td>lägger tillbaka biten under markören</td></tr>"
    "<tr><td><b>1–9</b></td><td>tar en bit från den raden i listan</td></tr>"
    "<tr><td><b>Page Up, Page Down</b></td><td>föregående, nästa nivå</td></tr>"
    "<tr><td><b>Ctrl+L</b></td><td>välj nivå</td></tr>"
    "<tr><td><b>Ctrl+Z</b></td><td>ångra</td></tr>"
    "<tr><td><b>Ctrl+Y, Ctrl+Skift+Z</b></td><td>gör om</td></tr>"
    "<tr><td><b>Ctrl+R</b></td><td>börja om nivån</td></tr>"
    "<tr><td><b>H</b></td><td>tips: visar var nästa bit ska ligga</td></tr>"
    "<tr><td><b>Ctrl+B</b></td><td>färgblindhjälp: bokstäver på lampor och kanoner, röda "
    "strålar hela, gröna streckade och blå prickade</td></tr>"
    "<tr><td><b>F1</b></td><td>den här hjälpen</td></tr></table>");

QLabel* textLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    return label;
}

// One line per palette row: its picture, its name and what it does.
QWidget* pieceTable(const BitmapList& sprites, QWidget* parent)
{
    auto* table = new QWidget(parent);
    auto* grid = new QGridLayout(table);
    grid->setColumnStretch(2, 1);
    for (int row = 0; row < EditRowCount; ++row) {
        const std::optional<std::int32_t> colour = cannonColourOfRow(row);
        const QImage icon =
            colour ? cannonIcon(*colour, sprites) : pieceIcon(*kindOfRow(row), sprites);
        auto* picture = new QLabel(table);
        picture->setPixmap(QPixmap::fromImage(icon));
        picture->setAccessibleName(paletteRowName(row));
        grid->addWidget(picture, row, 0);
        grid->addWidget(textLabel(QStringLiteral("<b>%1</b>").arg(paletteRowName(row)), table), row,
                        1);
        grid->addWidget(textLabel(translated(paletteRowHelp(row)), table), row, 2);
    }
    return table;
}

} // namespace

HelpDialog::HelpDialog(const BitmapList& sprites, QWidget* parent)
    : QDialog(parent), m_sprites(sprites), m_scroller(new QScrollArea(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Close, this))
{
    setObjectName(QStringLiteral("helpDialog"));
    resize(560, 600);
    m_scroller->setWidgetResizable(true);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scroller);
    layout->addWidget(m_buttons);
    showTexts();
}

void HelpDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showTexts();
    }
}

void HelpDialog::showTexts()
{
    setWindowTitle(tr("Så spelar du"));
    m_buttons->button(QDialogButtonBox::Close)->setText(tr("Stäng"));
    // The page is built again whole: its texts and the pictures' names.
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->addWidget(textLabel(tr(RulesText), page));
    column->addWidget(pieceTable(m_sprites, page));
    column->addWidget(textLabel(tr(KeysText), page));
    m_scroller->setWidget(page);
}

} // namespace prismora
