#include "common/FileBytes.h"
#include "common/Sanitizers.h"
#include "common/UiHome.h"

#include "store/DataFolder.h"
#include "widgets/ShellState.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornMenu.h"
#include "widgets/VornMessageBox.h"
#include "widgets/VornPushButton.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

class TestWidgetKit : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UiHome> m_home;

    // Runs the box and clicks the named button once it is up.
    int clickAndRun(VornMessageBox &box, const QString &buttonName)
    {
        QTimer::singleShot(0, &box, [&box, buttonName] {
            auto *button = box.findChild<QToolButton *>(buttonName);
            if (button)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                box.done(-1);
        });
        return box.exec();
    }

private slots:
    void init() { m_home = std::make_unique<UiHome>(); }
    void cleanup() { m_home.reset(); }

    // The class of a screen's scale factor, lowered until the window fits
    // the screen's available area.
    void sizeClass_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<int>("sizeClass");
        const QSize any(99999, 99999);
        QTest::addRow("just below 1.1") << 1.0999 << any << 0;
        QTest::addRow("exactly 1.1") << 1.1 << any << 1;
        QTest::addRow("1.6") << 1.6 << any << 3;
        QTest::addRow("2.3") << 2.3 << any << 6;
        QTest::addRow("4.75") << 4.75 << any << 15;
        QTest::addRow("exactly 4.8") << 4.8 << any << 16;
        QTest::addRow("8.0") << 8.0 << any << 16;
        QTest::addRow("150 percent on 1600x1000") << 1.5 << QSize(1600, 1000) << 2;
        QTest::addRow("200 percent on 1600x1000: 1998x1280 does not fit")
            << 2.0 << QSize(1600, 1000) << 2;
        QTest::addRow("200 percent on 3840x2160") << 2.0 << QSize(3840, 2160) << 4;
        QTest::addRow("1498x960 exactly") << 1.5 << QSize(1498, 960) << 2;
        QTest::addRow("one pixel short") << 1.5 << QSize(1498, 959) << 1;
        QTest::addRow("smaller than class 0") << 1.0 << QSize(800, 600) << 0;
    }

    void sizeClass()
    {
        QFETCH(double, ratio);
        QFETCH(QSize, available);
        QFETCH(int, sizeClass);
        QCOMPARE(Skin::fittingSizeClass(ratio, available), sizeClass);
    }

    void backgroundsFallBackOnClassZero_data()
    {
        // The classes whose file lies in the skin folder, the class asked
        // for, and which file's picture it shows (-1: none) at what size.
        QTest::addColumn<QList<int>>("files");
        QTest::addColumn<int>("sizeClass");
        QTest::addColumn<int>("source");
        QTest::addColumn<QSize>("size");
        const QList<int> all = {0, 1, 2};
        QTest::addRow("class 0") << all << 0 << 0 << QSize(999, 640);
        QTest::addRow("class 1 has its own") << all << 1 << 1 << QSize(1248, 800);
        QTest::addRow("class 16 is class 0 scaled") << all << 16 << 0 << QSize(4995, 3200);
        QTest::addRow("missing class 1") << QList<int>{0, 2} << 1 << 0 << QSize(1248, 800);
        QTest::addRow("missing class 2") << QList<int>{0} << 2 << 0 << QSize(1498, 960);
        QTest::addRow("no class 0 to fall back on") << QList<int>{2} << 1 << -1 << QSize(0, 0);
        QTest::addRow("class 2 without class 0") << QList<int>{2} << 2 << 2 << QSize(1498, 960);
    }

    void backgroundsFallBackOnClassZero()
    {
        QFETCH(QList<int>, files);
        QFETCH(int, sizeClass);
        QFETCH(int, source);
        QFETCH(QSize, size);
        QTemporaryDir appDir;
        QVERIFY(QDir(appDir.path()).mkpath("skin"));
        const char *names[] = {"cfgMainback.png", "cfgMainback_2.png", "cfgMainback_3.png"};
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
        for (int c : files) {
            const double scale = 1.0 + 0.25 * c;
            QImage image(int(999 * scale), int(640 * scale), QImage::Format_ARGB32);
            image.fill(colours[c]);
            QVERIFY(image.save(appDir.path() + "/skin/" + QLatin1String(names[c])));
        }
        Skin::setApplicationDir(appDir.path());
        // Decoded when first asked for, or ahead on a worker thread.
        for (bool preload : {false, true}) {
            Skin::Backgrounds backgrounds;
            if (preload)
                backgrounds.preload(sizeClass);
            const QPixmap &pixmap = backgrounds.pixmap(sizeClass);
            QCOMPARE(pixmap.size(), size);
            if (source >= 0)
                QCOMPARE(pixmap.toImage().pixelColor(size.width() - 1, size.height() - 1),
                         colours[source]);
        }
    }

    void backgroundsAreReadWhenFirstShown()
    {
        QTemporaryDir appDir;
        QVERIFY(QDir(appDir.path()).mkpath("skin"));
        const QString second = appDir.path() + "/skin/cfgMainback_2.png";
        QImage image(1248, 800, QImage::Format_ARGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(second));
        image = QImage(999, 640, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        image.setPixelColor(0, 0, Qt::red);
        QVERIFY(image.save(appDir.path() + "/skin/cfgMainback.png"));
        Skin::setApplicationDir(appDir.path());

        Skin::Backgrounds backgrounds;
        QCOMPARE(backgrounds.mask(0).size(), QSize(999, 640));
        QCOMPARE(backgrounds.mask(0).toImage().pixelIndex(0, 0), 1);
        QCOMPARE(backgrounds.mask(0).toImage().pixelIndex(1, 0), 0);
        // Showing class 0 did not read the class-1 file.
        QVERIFY(QFile::remove(second));
        QCOMPARE(backgrounds.pixmap(1).toImage().pixelColor(0, 0), QColor(Qt::red));
    }

    void languageFontFollowsTheLanguageIndex()
    {
        const QByteArray fonts = "[FONT_LIST]\nFONT_0=Arial\nFONT_SIZE_0=12\n"
                                 "FONT_1=Noto Sans CJK SC\nFONT_SIZE_1=14\n";
        QVERIFY(writeFileBytes(globalConfigPath(), fonts));
        UiScale::setFactor(1.5);
        QCOMPARE(UiScale::languageFont().family(), QStringLiteral("Arial"));
        QCOMPARE(UiScale::languageFont().pixelSize(), 18);
        UiScale::setLanguageIndex(1);
        QCOMPARE(UiScale::languageFont().family(), QStringLiteral("Noto Sans CJK SC"));
        QCOMPARE(UiScale::languageFont().pixelSize(), 21);
        // A list as the shipped file has it, for Windows and Linux at once:
        // where the first family is missing, the next one installed serves.
        QVERIFY(
            writeFileBytes(globalConfigPath(), fonts + "FONT_2=No Such Family, DejaVu Serif\n"));
        UiScale::setLanguageIndex(2);
        QCOMPARE(UiScale::languageFont().family(), QStringLiteral("No Such Family"));
        QCOMPARE(QFontInfo(UiScale::languageFont()).family(), QStringLiteral("DejaVu Serif"));
        // An index without an entry: empty family, Qt's default size.
        UiScale::setLanguageIndex(3);
        QVERIFY(UiScale::languageFont().family().isEmpty());
        QCOMPARE(UiScale::languageFont().pixelSize(), -1);
    }

    void messageBoxKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("result");
        QTest::addRow("ok accepts") << 2 << "msgBoxYesBtn" << 1;
        QTest::addRow("yes accepts") << 1 << "msgBoxYesBtn" << 1;
        QTest::addRow("no rejects") << 1 << "msgBoxNoBtn" << 0;
    }

    void messageBoxKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, click);
        QFETCH(int, result);
        VornMessageBox box(kind, QString(), "Warning", "Text");
        QCOMPARE(box.findChildren<QToolButton *>().size(), kind == 1 ? 2 : 1);
        auto *yes = box.findChild<QToolButton *>(QStringLiteral("msgBoxYesBtn"));
        QVERIFY(yes);
        QCOMPARE(yes->text(), kind == 1 ? QStringLiteral("Yes") : QStringLiteral("Ok"));
        QCOMPARE(yes->focusPolicy(), Qt::NoFocus);
        QVERIFY(!yes->icon().isNull()); // the compiled-in resource
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel1"))->text(),
                 QStringLiteral("Warning"));
        QVERIFY(box.findChild<QLabel *>("msgBoxInfoLabel2")->wordWrap());
        if (kind == 2) { // one button sits in the middle; white text on the dark picture
            box.show();
            QTRY_VERIFY(yes->isVisible());
            QVERIFY(qAbs(yes->geometry().center().x() - box.width() / 2) <= 2);
            const QImage shot = box.grab().toImage();
            const QRect text = box.findChild<QWidget *>(QStringLiteral("msgBoxText"))->geometry();
            QVERIFY(QColor(shot.pixel(text.topLeft() + QPoint(2, 2))).lightness() < 80);
            // Clipped to the picture: its middle kept, its rounded corner cut away.
            QVERIFY(box.mask().contains(box.rect().center()));
            QVERIFY(!box.mask().contains(QPoint(0, 0)));
        }
        QCOMPARE(clickAndRun(box, click), result);
    }

    void messageBoxScales()
    {
        UiScale::setFactor(1.5);
        VornMessageBox box(2, QString(), "Warning", "Text");
        QCOMPARE(box.size(), QSize(717, 463));
        QCOMPARE(box.findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel2"))->font().pixelSize(),
                 21);
    }

    void longTextScrollsUnderTheHeading()
    {
        QStringList lines;
        for (int i = 1; i <= 30; ++i)
            lines << QStringLiteral("dpi%1: 99999 is not allowed").arg(i);
        VornMessageBox box(2, QString(), "Warning", lines.join(QLatin1Char('\n')));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.size(), QSize(478, 309));
        // The heading stays below the red rule (y 10-12 of the art), the
        // text scrolls above the button, and every line is there to scroll to.
        auto *heading = box.findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel1"));
        QVERIFY(heading->mapTo(&box, QPoint(0, 0)).y() > 12);
        auto *scroll = box.findChild<QScrollArea *>(QStringLiteral("msgBoxText"));
        auto *ok = box.findChild<QToolButton *>(QStringLiteral("msgBoxYesBtn"));
        QVERIFY(scroll->mapTo(&box, QPoint(0, scroll->height())).y() <= ok->y());
        QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
        auto *text = box.findChild<QLabel *>(QStringLiteral("msgBoxInfoLabel2"));
        QVERIFY(text->height() >= 30 * text->fontMetrics().lineSpacing());
        // Consolas first, then the language's font where it is missing.
        QCOMPARE(text->font().families().value(0), QStringLiteral("Consolas"));
        QCOMPARE(text->font().families().mid(1).value(0), UiScale::languageFont().family());
    }

    void dropDownIsAsWideAsItsButton()
    {
        QWidget panel;
        auto *button = new QPushButton(QStringLiteral("1000 HZ"), &panel);
        auto *menu = new VornMenu(&panel);
        menu->addAction("125 HZ");
        button->setMenu(menu);
        button->setFixedWidth(171);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->width(), 171);
        menu->hide();
    }

    void waitForDeviceBoxClosesWhenAMouseIsOpened()
    {
        VornMessageBox box(2, QString(), "Warning", "NO MOUSE DETECTED!", nullptr, true);
        QElapsedTimer clock;
        QTimer::singleShot(150, [] { ShellState::setDeviceOpen(true); });
        clock.start();
        QCOMPARE(box.exec(), 1);
        QVERIFY(box.closedByDevice());
        // It looks every 100 ms; the slack is for a loaded machine.
        QVERIFY(clock.elapsed() >= 150);
        QVERIFY2(clock.elapsed() < 150 + 100 + 400 * kSanitizerSlowdown,
                 qPrintable(QString::number(clock.elapsed())));
    }

    void boxWithoutWaitingIgnoresTheDevice()
    {
        ShellState::setDeviceOpen(true);
        VornMessageBox box(2, QString(), "Warning", "Text");
        QTimer::singleShot(300, &box, [&box] { box.done(7); });
        QCOMPARE(box.exec(), 7);
        QVERIFY(!box.closedByDevice());
    }

    // A panel's style sheet for its own children does not reach into a box
    // it raises: the box looks as one the window raises.
    void boxLooksTheSameUnderAPanel()
    {
        Skin::setApplicationDir(QStringLiteral(KORVALEN_APP_DIR));
        QWidget window;
        QWidget panel;
        panel.setStyleSheet("background-color: rgb(33,35,35)");
        QImage looks[2];
        for (QWidget *parent : {&window, &panel}) {
            VornMessageBox box(2, QString(), "Warning", "Text", parent, false,
                               Qt::FramelessWindowHint);
            looks[parent == &panel] = box.grab().toImage();
        }
        QCOMPARE(looks[1], looks[0]);
    }

    void pushButtonStates()
    {
        const QStringList three = {"/skin/button_1.png", "/skin/button_2.png",
                                   "/skin/button_3.png"};
        VornPushButton button(three);
        button.setIndex(7);
        button.resize(100, 30);
        button.show();
        QSignalSpy entered(&button, &VornPushButton::EnterSignal);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&button, &enter);
        QCOMPARE(button.state(), int(VornPushButton::Hover));
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.state(), int(VornPushButton::Pressed));
        QCOMPARE(entered.count(), 1);
        QCOMPARE(entered.at(0).at(1).toInt(), 7);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(button.state(), int(VornPushButton::Normal));

        // Selected freezes the pressed look.
        button.setSelected(true);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(button.state(), int(VornPushButton::Pressed));
        button.setSelected(false);

        // Inert: nothing changes, nothing is emitted.
        button.setInert(true);
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.state(), int(VornPushButton::Normal));
        QCOMPARE(entered.count(), 1);

        // One image: no hover look.
        VornPushButton single({"/skin/button_1.png"});
        QCoreApplication::sendEvent(&single, &enter);
        QCOMPARE(single.state(), int(VornPushButton::Normal));
    }
};

QTEST_MAIN(TestWidgetKit)
#include "tst_widgetkit.moc"
