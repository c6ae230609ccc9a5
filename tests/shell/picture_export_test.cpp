#include "tests/support/program.h"
#include "tests/support/screens.h"
#include "windows/common/picturefile.h"
#include "windows/lens_data/lensdatapanel.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// What Ctrl+S saves, Ctrl+C copies and Ctrl+P prints: the drawing as the
// window shows it, blades, marks and stop over it, and none of the controls
// placed on it.

namespace {

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// The drawing as the window shows it, with the controls placed on it hidden
// for the moment; the lens-data panel, part of the picture, stays.
QImage shownWithoutControls(windows::FormWindow& window) {
    std::vector<QWidget*> hidden;
    for (QWidget* child : window.canvasWidget().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && child != windows::lensDataPanel(window)) {
            child->hide();
            hidden.push_back(child);
        }
    const QImage shown = window.canvasWidget().grab().toImage();
    for (QWidget* child : hidden)
        child->show();
    return rgb(shown);
}

QImage persistentImage(const canvas::Surface& surface) {
    return QImage(reinterpret_cast<const uchar*>(surface.pixels()), surface.deviceWidthPx(),
                  surface.deviceHeightPx(), QImage::Format_RGB32)
        .copy();
}

void keys(windows::FormWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, key, modifiers);
}

} // namespace

class PictureExportTest : public ProgramTest {
  protected:
    // Each picture window with something of its own drawn and its line or
    // shape controls shown.
    struct Row {
        const char* stem;
        std::function<windows::FormWindow&(PictureExportTest&)> open;
    };
    static const std::vector<Row>& rows() {
        static const std::vector<Row> table = {
            {"lentoi",
             [](PictureExportTest& t) -> windows::FormWindow& {
                 t.lentoi().Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, -300, 60);
                 return t.lentoi();
             }},
            {"lentoi",
             [](PictureExportTest& t) -> windows::FormWindow& {
                 t.lentoi().Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, -250, -40);
                 keys(t.lentoi(), Qt::Key_F2, Qt::NoModifier);
                 return t.lentoi();
             }},
            {"moniaktina",
             [](PictureExportTest& t) -> windows::FormWindow& {
                 menuItem(t.lentoi(), "singleray")->trigger();
                 return t.app->moniaktina();
             }},
            {"ElSahl",
             [](PictureExportTest& t) -> windows::FormWindow& {
                 menuItem(t.lentoi(), "SAHLIC")->trigger();
                 commandButton(t.choice(), "Command1")->click();
                 return t.sahl();
             }},
        };
        return table;
    }

    QTemporaryDir dir;
};

TEST_F(PictureExportTest, SavedCopiedAndPrintedPictureIsTheDrawingAsShown) {
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    for (const Row& row : rows()) {
        windows::FormWindow& window = row.open(*this);
        const QString png = dir.filePath(QString(row.stem) + ".png");
        dialogs.chooseFile(png);
        keys(window, Qt::Key_S, Qt::ControlModifier);
        const QImage saved(png);
        ASSERT_FALSE(saved.isNull()) << row.stem;
        const QImage expected = shownWithoutControls(window);
        EXPECT_EQ(saved.size(), window.canvasWidget().size() * window.devicePixelRatioF())
            << row.stem;
        EXPECT_TRUE(rgb(saved) == expected) << row.stem;
        // The blades and marks are in it; the scroll bars and boxes are not.
        EXPECT_FALSE(rgb(saved) == persistentImage(window.surface())) << row.stem;
        EXPECT_FALSE(rgb(saved) == rgb(window.canvasWidget().grab().toImage())) << row.stem;
        // The first dialog starts in the current folder, the next in the
        // folder saved into last.
        const QString offered = dialogs.fileQuestions.back().path;
        EXPECT_EQ(QFileInfo(offered).fileName(), QString("%1-%2.png").arg(row.stem, today));
        EXPECT_EQ(QFileInfo(offered).absolutePath(),
                  &row == &rows().front() ? QDir::currentPath() : dir.path());

        QApplication::clipboard()->clear();
        keys(window, Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(rgb(QApplication::clipboard()->image()) == expected) << row.stem;

        const QString pdf = dir.filePath(QString(row.stem) + ".pdf");
        dialogs.printInto(pdf);
        keys(window, Qt::Key_P, Qt::ControlModifier);
        QFile printed(pdf);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly)) << row.stem;
        EXPECT_TRUE(printed.read(5) == "%PDF-") << row.stem;

        // Printed as a screen of ratio 2 shows it; the screen keeps its image.
        const QImage screenImage = persistentImage(window.surface());
        const QImage page = rgb(window.pictureForPage(window.canvasWidget().size() * 2));
        EXPECT_TRUE(persistentImage(window.surface()) == screenImage) << row.stem;
        window.setScreen(testing_support::screenWithRatio(2));
        QCoreApplication::processEvents();
        EXPECT_TRUE(page == rgb(window.drawingImage())) << row.stem;
        window.setScreen(QGuiApplication::primaryScreen());
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

// A text box with text selected copies its text; without, Ctrl+C in it
// copies the picture.
TEST_F(PictureExportTest, ATextBoxWithSelectedTextKeepsItsCtrlC) {
    QLineEdit* box = textBox(lentoi(), "Text2");
    lentoi().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&lentoi()));
    box->setFocus();
    box->setSelection(0, 5);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), box->text().left(5));
    box->deselect();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(rgb(QApplication::clipboard()->image()) == shownWithoutControls(lentoi()));
}

// A picture that cannot be written says why, names the file, and leaves the
// folder as it was: no file under the name, no temporary one beside it.
TEST_F(PictureExportTest, AFailedWriteSaysWhyAndLeavesNothing) {
    QFile(dir.filePath("notes")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("taken.png");
    const QStringList before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    const QString rows[] = {dir.filePath("notes/lentoi.png"), dir.filePath("taken.png")};
    for (const QString& path : rows) {
        dialogs.messages.clear();
        dialogs.chooseFile(path);
        lentoi().savePicture();
        ASSERT_EQ(dialogs.messages.size(), 1) << path.toStdString();
        EXPECT_TRUE(dialogs.messages.front().contains("The picture was not written to \"" + path))
            << dialogs.messages.front().toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
        EXPECT_TRUE(QFileInfo(dir.filePath("notes")).isFile());
        EXPECT_TRUE(QFileInfo(dir.filePath("taken.png")).isDir());
    }
}

// A 20 x 10 picture on pages of other shapes: as large as fits, its aspect
// kept, in the middle. Each row: the page, and the picture's place on it.
TEST(PictureOnPage, FillsThePageKeepingItsAspect) {
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const std::pair<QRect, QRect> rows[] = {
        {QRect(0, 0, 300, 100), QRect(50, 0, 200, 100)},
        {QRect(0, 0, 100, 300), QRect(0, 125, 100, 50)},
        {QRect(10, 20, 40, 20), QRect(10, 20, 40, 20)},
    };
    for (const auto& [page, place] : rows) {
        QImage sheet(page.right() + 2, page.bottom() + 2, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        windows::paintOnPage(painter, picture, page);
        painter.end();
        QRect red;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (sheet.pixel(x, y) == QColor(Qt::red).rgb())
                    red |= QRect(x, y, 1, 1);
        EXPECT_EQ(red, place) << page.width() << "x" << page.height();
    }
}
