// Texts of numbers and packed-BCD times, and the number check of the fields.

#include "TextConversions.h"

#include <QtTest>
#include <climits>

using namespace tavisto;

namespace {
int orRejected(std::optional<std::uint8_t> value)
{
    return value ? int(*value) : -1;
}
}  // namespace

class TextConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void textsOfNumbers()
    {
        const QList<QPair<int, const char*>> ints = {{0, "00"},  {5, "05"},  {7, "07"},    {10, "10"},
                                                     {12, "12"}, {99, "99"}, {100, "100"}, {255, "255"}};
        for (const auto& [n, text] : ints)
            QCOMPARE(MyIntToStr(n), std::string(text));
        // Nibbles above 9 come only from foreign files and show as hex digits.
        const QList<QPair<int, const char*>> bcds = {{0x00, "00"}, {0x07, "07"}, {0x10, "10"}, {0x23, "23"},
                                                     {0x59, "59"}, {0xFF, "FF"}, {0x3A, "3A"}, {0xA0, "A0"}};
        for (const auto& [bcd, text] : bcds)
            QCOMPARE(MyBcdToStr(std::uint8_t(bcd)), std::string(text));
    }

    void textToBcd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bcd");    // -1: rejected
        QTest::addColumn<int>("track");  // -1: rejected
        // clang-format off
        const QList<std::tuple<const char*, int, int>> rows = {
            {"", 0x00, -1},   {"0", 0x00, 0},     {"00", 0x00, 0},    {"5", 0x05, 5},   {"05", 0x05, 5},
            {"005", 0x05, 5}, {"7", 0x07, 7},     {"12", 0x12, 12},   {"012", 0x12, 12}, {"23", 0x23, 23},
            {"59", 0x59, 59}, {"100", 0x10, 100}, {"123", 0x12, 123}, {"256", 0x25, 0},  {"FF", 0xFF, -1},
            {"0A", 0x0A, -1}, {"5a", -1, -1},     {" 5", -1, -1},     {"5 ", -1, -1},    {"-1", -1, -1},
            {"+5", -1, -1},   {"1.5", -1, -1},    {"G", -1, -1},      {"\xef\xbc\x95", -1, -1},
            {"1000000000000000000007", 0x10, 7},  // tracks keep the low 8 bits; 10^21 is a multiple of 256
        };
        // clang-format on
        for (const auto& [text, bcd, track] : rows)
            QTest::addRow("\"%s\"", text) << QString::fromUtf8(text) << bcd << track;
    }

    void textToBcd()
    {
        QFETCH(QString, text);
        QFETCH(int, bcd);
        QFETCH(int, track);
        QCOMPARE(orRejected(MyStrToBcd(text.toStdString())), bcd);
        QCOMPARE(orRejected(trackTextToByte(text.toStdString())), track);
    }

    // A field the user does not touch stores back the byte that was loaded, whatever a file held.
    void everyByteRoundTrips()
    {
        for (int b = 0; b < 256; ++b) {
            QCOMPARE(orRejected(MyStrToBcd(MyBcdToStr(std::uint8_t(b)))), b);
            QCOMPARE(orRejected(trackTextToByte(MyIntToStr(b))), b);
        }
    }

    void numberCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::addColumn<qlonglong>("result");
        // clang-format off
        const QList<std::tuple<QString, int, int, qlonglong>> rows = {
            {"0", 0, 23, 0},    {"00", 0, 23, 0},   {"23", 0, 23, 23},  {"24", 0, 23, -1},
            {"-1", 0, 23, -1},  {"5a", 0, 23, -1},  {"", 0, 23, -1},    {" 5", 0, 23, -1},
            {"1.5", 0, 23, -1}, {"+5", 0, 23, -1},  {"59", 0, 59, 59},  {"60", 0, 59, -1},
            {"007", 0, 99, 7},  {"100", 0, 99, -1}, {"0", 1, 99, -1},   {"1", 1, 99, 1},
            {"000000005", 1, 99, 5}, {"10", 1, 10, 10}, {"11", 1, 10, -1},
            {QString::fromUtf8("\xef\xbc\x95"), 0, 23, -1},  // a digit, but not an ASCII one
            {QString(40, '0') + "7", 0, 23, 7},              // leading zeros never overflow
            {QString(40, '9'), 0, INT_MAX, -1},
            {"2147483647", 0, INT_MAX, INT_MAX},
            {"2147483648", 0, INT_MAX, -1},
        };
        // clang-format on
        for (const auto& [text, lo, hi, result] : rows)
            QTest::addRow("\"%s\" in %d..%d", qPrintable(text.left(12)), lo, hi)
                << text << lo << hi << result;
    }

    void numberCheck()
    {
        QFETCH(QString, text);
        QFETCH(int, lo);
        QFETCH(int, hi);
        QFETCH(qlonglong, result);
        QCOMPARE(NumberChecK(text.toStdString(), lo, hi), result);
    }
};

QTEST_APPLESS_MAIN(TextConversionsTest)
#include "text_conversions_test.moc"
