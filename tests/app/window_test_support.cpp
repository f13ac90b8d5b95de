// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Scripted dialogs, the temporary program folder, the window's parts and mouse helpers.
#include "window_test_support.h"

#include "app/application_setup.h"
#include "view/board_geometry.h"
#include "view/board_view.h"
#include "view/palette_list.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace prismora::windowtest {

namespace {

// One application for the whole test program, set up as the game sets it up.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name, nullptr};
        m_application = std::make_unique<QApplication>(argc, argv);
        setUpApplication(*m_application, Language::Swedish);
    }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<QApplication> m_application;
};

const ::testing::Environment* const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

QMessageBox::StandardButton ScriptedDialogs::showMessage(QWidget*, const MessageBoxRequest& request)
{
    boxes.push_back(request);
    if (!answers.empty()) {
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return request.buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
}

std::optional<QString> ScriptedDialogs::askFileName(QWidget*, const FileDialogRequest& request)
{
    fileDialogs.push_back(request);
    if (files.empty()) {
        return std::nullopt;
    }
    const QString answer = files.front();
    files.pop_front();
    if (answer.isEmpty()) {
        return std::nullopt;
    }
    return answer;
}

WindowHarness::WindowHarness(const std::vector<std::pair<QString, QString>>& files,
                             const QStringList& arguments)
{
    for (const auto& [name, text] : files) {
        writeFile(name, text);
    }
    m_window = std::make_unique<MainWindow>(options(arguments));
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get())) {
        ADD_FAILURE() << "window not exposed";
    }
}

WindowHarness::~WindowHarness() = default;

MainWindow::Options WindowHarness::options(const QStringList& arguments)
{
    MainWindow::Options options;
    options.seriesFolder = m_dir.path();
    options.playerFolder = m_dir.path();
    options.arguments = arguments;
    options.dialogs = &dialogs;
    options.startProgramCopy = [this](const QString& path) { startedCopies.append(path); };
    options.settingsFile = m_dir.filePath(QStringLiteral("settings.conf"));
    options.playSound = [this](GameSound sound) { sounds.push_back(sound); };
    options.copyFolder = m_dir.filePath(QStringLiteral("copied"));
    return options;
}

QString WindowHarness::path(const QString& fileName) const { return m_dir.filePath(fileName); }

void WindowHarness::writeFile(const QString& fileName, const QString& text) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly)) {
        ADD_FAILURE() << "cannot write " << fileName.toStdString();
        return;
    }
    file.write(text.toLatin1());
}

namespace {

template <typename Widget> Widget* part(MainWindow& window, const char* name)
{
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (found == nullptr) {
        ADD_FAILURE() << "no " << name << " in the window";
    }
    return found;
}

} // namespace

BoardView* boardView(MainWindow& window) { return part<BoardView>(window, "boardView"); }
PaletteList* paletteList(MainWindow& window) { return part<PaletteList>(window, "paletteList"); }
QLabel* statusLabel(MainWindow& window) { return part<QLabel>(window, "statusLabel"); }
QLineEdit* levelNameEdit(MainWindow& window) { return part<QLineEdit>(window, "levelNameEdit"); }

QPushButton* button(MainWindow& window, const char* objectName)
{
    return part<QPushButton>(window, objectName);
}

void triggerEditLoaded(MainWindow& window)
{
    part<QMenu>(window, "paletteMenu")->actions().at(0)->trigger();
}

void triggerPlayLoaded(MainWindow& window)
{
    part<QMenu>(window, "paletteMenu")->actions().at(1)->trigger();
}

void click(MainWindow& window, const char* buttonName)
{
    QTest::mouseClick(button(window, buttonName), Qt::LeftButton);
}

QString levelText(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QPoint cellPoint(int column, int row)
{
    return {column * geometry::CellSize - 24, row * geometry::CellSize - 24};
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)), button, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

void dragOnBoard(MainWindow& window, QPoint from, QPoint to)
{
    QWidget* board = boardView(window);
    sendMouse(board, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    sendMouse(board, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(board, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    sendMouse(board, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(board, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void rightClickOnBoard(MainWindow& window, QPoint pos)
{
    QWidget* board = boardView(window);
    sendMouse(board, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    sendMouse(board, QEvent::MouseButtonPress, pos, Qt::RightButton, Qt::RightButton);
    sendMouse(board, QEvent::MouseButtonRelease, pos, Qt::RightButton, Qt::NoButton);
}

void wheelOnBoard(MainWindow& window, int angleDelta)
{
    QWidget* board = boardView(window);
    const QPointF pos(board->width() / 2.0, board->height() / 2.0);
    QWheelEvent event(pos, board->mapToGlobal(pos), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(board, &event);
}

void doubleClickPaletteRow(MainWindow& window, int row)
{
    PaletteList* list = paletteList(window);
    const QPoint pos = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
}

} // namespace prismora::windowtest
