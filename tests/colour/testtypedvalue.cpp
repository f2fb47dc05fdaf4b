// Reading the numbers typed into the channel boxes.
#include "colour/typedvalue.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace colour;
using Verdict = TypedChannel::Verdict;

Q_DECLARE_METATYPE(Verdict)

class TestTypedValue : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void toInteger16_data();
    void toInteger16();
    void typedChannel_data();
    void typedChannel();
};

void TestTypedValue::readNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("digits") << QByteArray("42") << true << 42.0;
    QTest::newRow("blanks around") << QByteArray(" \t42  ") << true << 42.0;
    QTest::newRow("plus sign") << QByteArray("+7") << true << 7.0;
    QTest::newRow("minus sign") << QByteArray("-7") << true << -7.0;
    QTest::newRow("fraction") << QByteArray("12.5") << true << 12.5;
    QTest::newRow("leading point") << QByteArray(".5") << true << 0.5;
    QTest::newRow("exponent") << QByteArray("2.55e2") << true << 255.0;
    QTest::newRow("minus zero") << QByteArray("-0") << true << 0.0;
    QTest::newRow("overflow is infinite")
        << QByteArray("1e400") << true << std::numeric_limits<double>::infinity();
    QTest::newRow("underflow is zero") << QByteArray("1e-400") << true << 0.0;
    QTest::newRow("tiny mantissa, big exponent")
        << QByteArray("0.00000000000000000000000000000000000000000000000001e51") << true << 10.0;

    QTest::newRow("empty") << QByteArray("") << false << 0.0;
    QTest::newRow("lone minus") << QByteArray("-") << false << 0.0;
    QTest::newRow("lone point") << QByteArray(".") << false << 0.0;
    QTest::newRow("trailing letter") << QByteArray("12a") << false << 0.0;
    QTest::newRow("exponent without digits") << QByteArray("1e") << false << 0.0;
    QTest::newRow("blank inside") << QByteArray("1 2") << false << 0.0;
    QTest::newRow("hexadecimal") << QByteArray("0x10") << false << 0.0;
    QTest::newRow("embedded NUL") << QByteArray("12\0", 3) << false << 0.0;
}

void TestTypedValue::readNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    const std::optional<double> result
        = colour::readNumber(std::string_view(text.constData(), text.size()));
    QCOMPARE(result.has_value(), numeric);
    if (numeric)
        QCOMPARE(*result, value);
}

void TestTypedValue::toInteger16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<int>("integer");

    QTest::newRow("2.5 to even") << 2.5 << true << 2;
    QTest::newRow("3.5 to even") << 3.5 << true << 4;
    QTest::newRow("-0.5 to even") << -0.5 << true << 0;
    QTest::newRow("below half") << 2.4999999999999996 << true << 2;
    QTest::newRow("top") << 32767.0 << true << 32767;
    QTest::newRow("top plus half rounds out") << 32767.5 << false << 0;
    QTest::newRow("bottom minus half rounds in") << -32768.5 << true << -32768;
    QTest::newRow("below bottom") << -32768.6 << false << 0;
    QTest::newRow("not a number") << std::nan("") << false << 0;
}

void TestTypedValue::toInteger16()
{
    QFETCH(double, value);
    QFETCH(bool, inRange);
    QFETCH(int, integer);
    const std::optional<int> result = colour::toInteger16(value);
    QCOMPARE(result.has_value(), inRange);
    if (inRange)
        QCOMPARE(*result, integer);
}

void TestTypedValue::typedChannel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("value");

    QTest::newRow("0") << "0" << Verdict::Accepted << 0;
    QTest::newRow("255") << "255" << Verdict::Accepted << 255;
    QTest::newRow("blanks around 42") << " 42 " << Verdict::Accepted << 42;
    QTest::newRow("1.5 to even") << "1.5" << Verdict::Accepted << 2;
    QTest::newRow("12.5 to even") << "12.5" << Verdict::Accepted << 12;
    QTest::newRow("13.5 to even") << "13.5" << Verdict::Accepted << 14;
    QTest::newRow("-0.4 is below 0") << "-0.4" << Verdict::OutOfRange << 0;
    QTest::newRow("256") << "256" << Verdict::OutOfRange << 0;
    QTest::newRow("255.4 is above 255") << "255.4" << Verdict::OutOfRange << 0;
    QTest::newRow("empty") << "" << Verdict::NotNumeric << 0;
    QTest::newRow("lone minus") << "-" << Verdict::NotNumeric << 0;
    QTest::newRow("12a") << "12a" << Verdict::NotNumeric << 0;
}

void TestTypedValue::typedChannel()
{
    QFETCH(QString, text);
    QFETCH(Verdict, verdict);
    QFETCH(int, value);
    const TypedChannel result = readTypedChannel(text.toStdString());
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(result.value, value);
}

QTEST_GUILESS_MAIN(TestTypedValue)
#include "testtypedvalue.moc"
