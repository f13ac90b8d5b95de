// The main window's construction: components, colours, geometry and wiring.
#include "app/tform1.h"

#include "app/game_style.h"
#include "view/board_widget.h"
#include "view/palette_list.h"
#include "view/sprite_set.h"
#include "widgets/gradient_button.h"
#include "widgets/scrolling_banner.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QWheelEvent>

namespace prismora {

namespace {

void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    paintBackground(panel, QColor(0, 0, 128));
    return panel;
}

void startDetachedCopy(const QString& levelPath)
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {levelPath});
}

} // namespace

TForm1::TForm1(FormOptions options, QWidget* parent)
    : QWidget(parent), m_wallpaper(StandardWallpaper()),
      m_programDir(std::move(options.programDir)), m_dialogs(options.dialogs),
      m_startProgramCopy(std::move(options.startProgramCopy))
{
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtUserDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    if (!m_startProgramCopy) {
        m_startProgramCopy = startDetachedCopy;
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(InitialCaption));
    setFixedSize(layout::ClientWidth, layout::ClientHeight);
    paintBackground(this, Qt::black);
    buildTopBar();
    buildBoardArea();
    buildStatusBar();
    buildCommandColumn();
    connectHandlers();
    centreOnScreen();
    FormCreate(options.arguments);
}

TForm1::~TForm1() = default;

void TForm1::buildTopBar()
{
    TopBar = makePanel(this, "TopBar", QRect(0, 0, layout::ClientWidth, layout::BarHeight));
    Banner = createGameBanner(TopBar, m_wallpaper);
    Banner->setObjectName(QStringLiteral("Banner"));
    Banner->move(8, 8);
    Label1 = new QLabel(QStringLiteral("Namn:"), TopBar);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(250, 8, 50, 25);
    QPalette text = Label1->palette();
    text.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(text);
    Edit1 = new QLineEdit(QString::fromLatin1(NoLevelName), TopBar);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(304, 8, 250, 25);
}

void TForm1::buildBoardArea()
{
    BoardFrame = new QFrame(this);
    BoardFrame->setObjectName(QStringLiteral("BoardFrame"));
    BoardFrame->setGeometry(0, layout::BarHeight, layout::LeftWidth, layout::BoardFrameHeight);
    paintBackground(BoardFrame, Qt::black);
    PaintBox1 = new BoardWidget(m_game.board, StandardSprites(), BoardFrame);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(layout::BoardOffsetX, layout::BoardOffsetY, BoardPixels, BoardPixels);
}

void TForm1::buildStatusBar()
{
    StatusBar = makePanel(
        this, "StatusBar",
        QRect(0, layout::ClientHeight - layout::BarHeight, layout::LeftWidth, layout::BarHeight));
    CoolBtn4 = makeButton("<--", StatusBar, QRect(8, 8, 50, 25));
    CoolBtn4->setObjectName(QStringLiteral("CoolBtn4"));
    CoolBtn3 = makeButton("-->", StatusBar, QRect(layout::LeftWidth - 58, 8, 50, 25));
    CoolBtn3->setObjectName(QStringLiteral("CoolBtn3"));
    Label2 = new QLabel(StatusBar);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(62, 0, layout::LeftWidth - 124, layout::BarHeight);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(gameComicFont(24));
    QPalette text = Label2->palette();
    text.setColor(QPalette::WindowText, QColor(0, 255, 0));
    Label2->setPalette(text);
}

QPushButton* TForm1::makeButton(const char* caption, QWidget* parent, const QRect& geometry)
{
    auto* button = new GradientButton(QString::fromUtf8(caption), parent);
    applyGameButtonStyle(*button, m_wallpaper);
    button->setGeometry(geometry);
    return button;
}

QPushButton* TForm1::addCommandButton(const char* caption, int top)
{
    return makeButton(caption, CommandColumn,
                      QRect(layout::ButtonX, top, layout::ButtonWidth, layout::ButtonHeight));
}

void TForm1::buildCommandColumn()
{
    CommandColumn = makePanel(this, "CommandColumn",
                              QRect(layout::LeftWidth, layout::BarHeight, layout::ColumnWidth,
                                    layout::ClientHeight - layout::BarHeight));
    BitBtn1 = addCommandButton("Ladda spel...", 16);
    BitBtn2 = addCommandButton("Skapa nytt spel", 41);
    ListBox1 = new PaletteList(CommandColumn);
    ListBox1->setGeometry(layout::ButtonX, 68, layout::ButtonWidth, 278);
    BitBtn6 = addCommandButton("Ta skärmdump", 348);
    CoolBtn1 = addCommandButton("Spara spelposition", 373);
    BitBtn3 = addCommandButton("Spara som nytt spel...", 398);
    CoolBtn2 = addCommandButton("Testa spel...", 423);
    BitBtn4 = addCommandButton("Ångra nytt spel", 453);
    BitBtn5 = addCommandButton("Avsluta", 478);
    const std::pair<QWidget*, const char*> names[] = {
        {BitBtn1, "BitBtn1"},   {BitBtn2, "BitBtn2"},   {ListBox1, "ListBox1"},
        {BitBtn6, "BitBtn6"},   {CoolBtn1, "CoolBtn1"}, {BitBtn3, "BitBtn3"},
        {CoolBtn2, "CoolBtn2"}, {BitBtn4, "BitBtn4"},   {BitBtn5, "BitBtn5"}};
    for (const auto& [widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    EditLoadedGame = PopupMenu1->addAction(QStringLiteral("Redigera laddat spel"));
    PlayLoadedGame = PopupMenu1->addAction(QStringLiteral("Spela laddat spel"));
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TForm1::connectHandlers()
{
    connect(CoolBtn3, &QPushButton::clicked, this, &TForm1::CoolBtn3Click);
    connect(CoolBtn4, &QPushButton::clicked, this, &TForm1::CoolBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(CoolBtn2, &QPushButton::clicked, this, &TForm1::CoolBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn6Click);
    connect(CoolBtn1, &QPushButton::clicked, this, &TForm1::CoolBtn1Click);
    connect(EditLoadedGame, &QAction::triggered, this, &TForm1::EditLoadedGameClick);
    connect(PlayLoadedGame, &QAction::triggered, this, &TForm1::PlayLoadedGameClick);
    connect(ListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenu1->popup(ListBox1->viewport()->mapToGlobal(pos));
    });
    connect(ListBox1, &QListWidget::currentRowChanged, this,
            [this](int row) { m_game.palette.Select(row); });
    ListBox1->viewport()->installEventFilter(this);
    connect(PaintBox1, &BoardWidget::painted, this, &TForm1::PaintBox1Painted);
    connect(PaintBox1, &BoardWidget::boardMouseMove, this, &TForm1::PaintBox1MouseMove);
    connect(PaintBox1, &BoardWidget::boardMousePress, this, &TForm1::PaintBox1MouseDown);
    connect(PaintBox1, &BoardWidget::boardMouseRelease, this, &TForm1::PaintBox1MouseUp);
    PaintBox1->installEventFilter(this);
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::setNameFromField);
}

void TForm1::centreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(0, 0), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        return Edit1KeyPress(static_cast<QKeyEvent*>(event)->text());
    }
    if (watched == PaintBox1 && event->type() == QEvent::Wheel) {
        takeWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The first click of the double click has already selected the row.
        ListBox1DblClick();
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::wheelEvent(QWheelEvent* event) { takeWheel(event->angleDelta().y()); }

QMessageBox::StandardButton TForm1::ask(const MessageBoxRequest& request)
{
    return m_dialogs->showMessage(this, request);
}

} // namespace prismora
