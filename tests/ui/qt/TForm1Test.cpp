#include "ui/qt/TForm1.h"
#include "ui/qt/HelpLocation.h"
#include "ui/qt/QtPlatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

namespace zindra {

using enum ControlId;

class TForm1Test : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void everyControlIsAWidgetNamedAfterIt();
    void widgetsStartWithTheirCaptionsHintsAndStates();
    void makeShowsTheFontStringAndTheSampleInItsFace();
    void fontChoicesRestyleTheShownSample();
    void theSsccHumanReadableLineIsSetInArial();
    void anErrorShowsInTheOutputFieldAndEmptiesTheSample();
    void insertAppendsTheSpecialCharacter_data();
    void insertAppendsTheSpecialCharacter();
    void theManualIsFoundBesideTheProgramNotTheCurrentFolder();

  private:
    template <class Widget> Widget* Find(const char* name) const {
        return form_->findChild<Widget*>(QString::fromLatin1(name));
    }
    void Click(const char* name) const { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    // The face and size of the sample at a position of its text.
    QTextCharFormat SampleFormatAt(int position) const;

    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<MainWindowModel> model_;
    std::unique_ptr<TForm1> form_;
};

void TForm1Test::init() {
    platform_ = std::make_unique<QtPlatform>();
    model_ = std::make_unique<MainWindowModel>(*platform_);
    form_ = std::make_unique<TForm1>(*model_, *platform_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TForm1Test::cleanup() {
    form_.reset();
    model_.reset();
    platform_.reset();
}

QTextCharFormat TForm1Test::SampleFormatAt(int position) const {
    QTextCursor cursor(Find<QTextEdit>("BarCodeOut")->document());
    cursor.setPosition(position + 1); // the format of the character before the cursor
    return cursor.charFormat();
}

void TForm1Test::everyControlIsAWidgetNamedAfterIt() {
    for (const ControlSpec& spec : AllControlSpecs()) {
        if (spec.Kind == ControlKind::PrintDialog) continue;
        const QByteArray name(spec.Name.data(), static_cast<qsizetype>(spec.Name.size()));
        QVERIFY2(Find<QWidget>(name.constData()), name.constData());
    }
    QCOMPARE(form_->windowTitle(), QStringLiteral("Zindra"));
    QCOMPARE(form_->metaObject()->className(), "zindra::TForm1");
}

void TForm1Test::widgetsStartWithTheirCaptionsHintsAndStates() {
    QCOMPARE(Find<QPushButton>("MakeButtonClick")->text(), QStringLiteral("&Make"));
    QCOMPARE(Find<QPushButton>("CopyButtonClick")->toolTip(),
             QStringLiteral("Copy this bar code to the clip board, to paste in other programs"));
    QCOMPARE(Find<QRadioButton>("ITF14")->text(), QStringLiteral("IFT-14"));
    QVERIFY(Find<QRadioButton>("Radio39")->isChecked());
    QVERIFY(Find<QRadioButton>("FontD")->isChecked());
    QVERIFY(Find<QCheckBox>("TipCheckBox")->isChecked());
    QVERIFY(!Find<QCheckBox>("OptionalChecksum")->isChecked());

    auto* pointSize = Find<QComboBox>("PointSize");
    QVERIFY(pointSize->isEditable());
    QCOMPARE(pointSize->count(), 18);
    QCOMPARE(pointSize->currentText(), QStringLiteral("24"));
    QCOMPARE(pointSize->currentIndex(), 3);
    auto* specials = Find<QComboBox>("ComboBox1");
    QCOMPARE(specials->count(), 34);
    QCOMPARE(specials->itemText(13), QStringLiteral("Escape"));
    QCOMPARE(specials->currentText(), QStringLiteral("FNC1"));

    for (const char* output : {"BarTextOut", "BarCodeOut"})
        QCOMPARE(Find<QWidget>(output)->focusPolicy(), Qt::ClickFocus);
    QVERIFY(Find<QLineEdit>("BarTextOut")->isReadOnly());
    QVERIFY(Find<QTextEdit>("BarCodeOut")->isReadOnly());
}

void TForm1Test::makeShowsTheFontStringAndTheSampleInItsFace() {
    Click("Radio93");
    QVERIFY(Find<QCheckBox>("DispSums")->isVisible());
    Click("Radio39");
    QVERIFY(!Find<QCheckBox>("DispSums")->isVisible());
    Click("OptionalChecksum");
    QTest::keyClicks(Find<QLineEdit>("BarTextInput"), QStringLiteral("CODE39"));
    Click("MakeButtonClick");

    QCOMPARE(Find<QLineEdit>("BarTextOut")->text(), QStringLiteral("*CODE39W*"));
    QCOMPARE(Find<QTextEdit>("BarCodeOut")->toPlainText(), QStringLiteral("*CODE39W*  "));
    QCOMPARE(SampleFormatAt(0).fontFamilies().toStringList(), QStringList{"Tessary 39 d"});
    QCOMPARE(SampleFormatAt(0).fontPointSize(), 24.0);
    QVERIFY(model_->MadeFlag);
}

void TForm1Test::fontChoicesRestyleTheShownSample() {
    QTest::keyClicks(Find<QLineEdit>("BarTextInput"), QStringLiteral("CODE39"));
    Click("MakeButtonClick");
    Click("Type2");
    QCOMPARE(SampleFormatAt(0).fontFamilies().toStringList(), QStringList{"Tessary 39 d HR"});
    // The line under the sample: *CODE39* is 147 modules with its quiet zones, the
    // HR face 25 + 8 modules high, a module 0.339 mm at 24 points and 0.508 at 36.
    QLabel* sizeLine = nullptr;
    for (QLabel* label : form_->findChildren<QLabel*>())
        if (label->accessibleName() == QStringLiteral("Printed size")) sizeLine = label;
    QVERIFY(sizeLine);
    QCOMPARE(sizeLine->text(), QStringLiteral("49.8 mm wide, 11.2 mm high, X 0.34 mm"));

    auto* pointSize = Find<QComboBox>("PointSize");
    pointSize->lineEdit()->selectAll();
    QTest::keyClicks(pointSize->lineEdit(), QStringLiteral("36"));
    QCOMPARE(SampleFormatAt(0).fontPointSize(), 36.0);
    QCOMPARE(sizeLine->text(), QStringLiteral("74.7 mm wide, 16.8 mm high, X 0.51 mm"));
    QCOMPARE(SampleFormatAt(9).fontPointSize(), 24.0); // the trailing spaces keep their size
    // The focus stays in the box, so a third digit is part of the size.
    QCOMPARE(QApplication::focusWidget(), pointSize);
    QTest::keyClicks(pointSize->lineEdit(), QStringLiteral("0"));
    QCOMPARE(SampleFormatAt(0).fontPointSize(), 360.0);
    QCOMPARE(Find<QLineEdit>("BarTextInput")->text(), QStringLiteral("CODE39"));
}

void TForm1Test::theSsccHumanReadableLineIsSetInArial() {
    Click("Radio128");
    Click("GB3b5");
    Click("Type2");
    QVERIFY(!Find<QWidget>("Insert")->isVisible());
    QTest::keyClicks(Find<QLineEdit>("BarTextInput"), QStringLiteral("00614141123456789"));
    Click("MakeButtonClick");

    const QTextDocument* sample = Find<QTextEdit>("BarCodeOut")->document();
    QCOMPARE(sample->blockCount(), 2);
    QCOMPARE(sample->lastBlock().text(), QStringLiteral(" (00) 00614141123456789 0"));
    QCOMPARE(SampleFormatAt(0).fontFamilies().toStringList(), QStringList{"Tessary Code 128C d"});
    const int secondLine = sample->lastBlock().position();
    QCOMPARE(SampleFormatAt(secondLine).fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(SampleFormatAt(secondLine).fontPointSize(), 7.0);
}

void TForm1Test::anErrorShowsInTheOutputFieldAndEmptiesTheSample() {
    QTest::keyClicks(Find<QLineEdit>("BarTextInput"), QStringLiteral("CODE39"));
    Click("MakeButtonClick");
    QCOMPARE(Find<QLineEdit>("BarTextOut")->text(), QStringLiteral("*CODE39*"));
    QTest::keyClick(Find<QLineEdit>("BarTextInput"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Find<QLineEdit>("BarTextInput"), Qt::Key_Delete);
    Click("MakeButtonClick");
    QCOMPARE(Find<QLineEdit>("BarTextOut")->text(), QStringLiteral("Error, no data to bar code"));
    QCOMPARE(Find<QTextEdit>("BarCodeOut")->toPlainText(), QString());
}

// Insert leaves the caret at the end of the data, whatever it appended and
// wherever the caret was: the view follows the model's caret.
void TForm1Test::insertAppendsTheSpecialCharacter_data() {
    QTest::addColumn<QString>("special");
    QTest::addColumn<QString>("data");
    QTest::newRow("a control character") << QStringLiteral("Ctrl-X") << QStringLiteral("ABx");
    QTest::newRow("nothing to append") << QStringLiteral("Ctrl-") << QStringLiteral("AB");
}

void TForm1Test::insertAppendsTheSpecialCharacter() {
    QFETCH(QString, special);
    QFETCH(QString, data);
    Click("Radio128");
    auto* input = Find<QLineEdit>("BarTextInput");
    QTest::keyClicks(input, QStringLiteral("AB"));
    QTest::keyClick(input, Qt::Key_Home);
    auto* specials = Find<QComboBox>("ComboBox1");
    specials->lineEdit()->selectAll();
    QTest::keyClicks(specials->lineEdit(), special);
    Click("Insert");
    QCOMPARE(input->text(), data);
    QCOMPARE(input->cursorPosition(), data.size());
}

void TForm1Test::theManualIsFoundBesideTheProgramNotTheCurrentFolder() {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    const QString manual = HelpIndexPath();
    QDir::setCurrent(previous);
    QVERIFY2(QFileInfo::exists(manual), qPrintable(manual));
    QVERIFY(manual.endsWith(QStringLiteral("/zindra/help/index.html")));
}

} // namespace zindra

QTEST_MAIN(zindra::TForm1Test)
#include "TForm1Test.moc"
