// Scripted dialogs, the temporary program folder and mouse helpers for the window tests.
#include "window_test_support.h"

#include "app/application_setup.h"
#include "view/board_widget.h"
#include "view/palette_list.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
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
        SetUpApplication(*m_application);
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
    FormOptions options;
    options.programDir = m_dir.path();
    options.arguments = arguments;
    options.dialogs = &dialogs;
    options.startProgramCopy = [this](const QString& path) { startedCopies.append(path); };
    // Shown before any level is loaded so that loads paint at once.
    m_form = std::make_unique<TForm1>(std::move(options));
    m_form->show();
    if (!QTest::qWaitForWindowExposed(m_form.get())) {
        ADD_FAILURE() << "window not exposed";
    }
}

WindowHarness::~WindowHarness() = default;

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

QString LevelText(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QPoint CellPoint(int column, int row) { return {column * CellSize - 24, row * CellSize - 24}; }

void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)), button, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

void DragOnBoard(TForm1& form, QPoint from, QPoint to)
{
    QWidget* board = form.PaintBox1;
    SendMouse(board, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    SendMouse(board, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(board, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(board, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    SendMouse(board, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void RightClickOnBoard(TForm1& form, QPoint pos)
{
    QWidget* board = form.PaintBox1;
    SendMouse(board, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
    SendMouse(board, QEvent::MouseButtonPress, pos, Qt::RightButton, Qt::RightButton);
    SendMouse(board, QEvent::MouseButtonRelease, pos, Qt::RightButton, Qt::NoButton);
}

void WheelOnBoard(TForm1& form, int angleDelta)
{
    QWidget* board = form.PaintBox1;
    const QPointF pos(board->width() / 2.0, board->height() / 2.0);
    QWheelEvent event(pos, board->mapToGlobal(pos), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(board, &event);
}

void DoubleClickPaletteRow(TForm1& form, int row)
{
    PaletteList* list = form.ListBox1;
    const QPoint pos = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
}

} // namespace prismora::windowtest
