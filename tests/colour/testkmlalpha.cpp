// Putting the transparency in front of the KML box's text.
#include "colour/kmlalpha.h"

#include <QtTest>

using namespace colour;

class TestKmlAlpha : public QObject {
    Q_OBJECT

private slots:
    void withKmlAlpha_data();
    void withKmlAlpha();
};

void TestKmlAlpha::withKmlAlpha_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<int>("transparency");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QByteArray>("result");

    QTest::newRow("six digits get the alpha")
        << QByteArray("5c7aa2") << 128 << true << QByteArray("805c7aa2");
    QTest::newRow("eight digits: alpha replaced")
        << QByteArray("ff5c7aa2") << 0 << true << QByteArray("005c7aa2");
    QTest::newRow("typed case kept")
        << QByteArray("xx5C7AA2") << 15 << true << QByteArray("0f5C7AA2");
    QTest::newRow("alpha 16") << QByteArray("5c7aa2") << 16 << true << QByteArray("105c7aa2");
    QTest::newRow("empty stays") << QByteArray("") << 255 << false << QByteArray();
    QTest::newRow("seven stays") << QByteArray("5c7aa2f") << 255 << false << QByteArray();
    QTest::newRow("nine stays") << QByteArray("ff5c7aa2f") << 255 << false << QByteArray();
    QTest::newRow("alpha clamped to two digits")
        << QByteArray("5c7aa2") << 300 << true << QByteArray("ff5c7aa2");

    // The box holds Unicode text: lengths are characters, and no character is cut.
    QTest::newRow("six characters, seven bytes") << QByteArray("5c7a\xc3\xa9"
                                                               "2")
                                                 << 255 << true
                                                 << QByteArray("ff5c7a\xc3\xa9"
                                                               "2");
    QTest::newRow("eight characters, first two multi-byte") << QByteArray(
        "\xc3\x84\xe2\x82\xac"
        "5c7aa2") << 160 << true << QByteArray("a05c7aa2");
    QTest::newRow("five characters in eight bytes stay") << QByteArray("\xf0\x9f\x8e\xa8"
                                                                       "5c7a")
                                                         << 255 << false << QByteArray();
    QTest::newRow("seven characters in nine bytes stay") << QByteArray("\xc3\xa9"
                                                                       "5c7aa2")
                                                         << 255 << false << QByteArray();
    QTest::newRow("stray bytes count one each") << QByteArray("\xff\x80"
                                                              "5c7aa2")
                                                << 255 << true << QByteArray("ff5c7aa2");
    QTest::newRow("cut sequence counts one byte each") << QByteArray("\xe2\x82"
                                                                     "5c7a")
                                                       << 1 << true
                                                       << QByteArray("01\xe2\x82"
                                                                     "5c7a");
}

void TestKmlAlpha::withKmlAlpha()
{
    QFETCH(QByteArray, box);
    QFETCH(int, transparency);
    QFETCH(bool, changed);
    QFETCH(QByteArray, result);
    const std::optional<std::string> text
        = colour::withKmlAlpha(std::string_view(box.constData(), box.size()), transparency);
    QCOMPARE(text.has_value(), changed);
    if (changed)
        QCOMPARE(QByteArray::fromStdString(*text), result);
}

QTEST_GUILESS_MAIN(TestKmlAlpha)
#include "testkmlalpha.moc"
