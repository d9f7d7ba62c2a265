#include "vyrapplicationlogger.h"
#include "vyrfilelogger.h"
#include "vyrtextwindowlog.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

// A sink that records what reaches it, in a list shared with other sinks so the
// order of delivery shows.
class RecordingSink : public VyrBaseLogger
{
public:
    struct Entry
    {
        QString sink;
        quint32 type;
        QString line;
    };

    RecordingSink(const QString &name, QList<Entry> *entries, unsigned int mask = 0xFFFFFFFFu)
        : VyrBaseLogger(mask)
        , m_sinkName(name)
        , m_entries(entries)
    {}

    void OnLogStringOut(AppLogType type, const QString &line) override
    {
        m_entries->append({m_sinkName, static_cast<quint32>(type), line});
    }

private:
    QString m_sinkName;
    QList<Entry> *m_entries;
};

// "[HH:mm:ss:zzz]" followed by the rest of the line.
static QString afterTimeStamp(const QString &line)
{
    static const QRegularExpression stamp(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d:\\d\\d\\d\\]"));
    const QRegularExpressionMatch match = stamp.match(line);
    if (!match.hasMatch())
        return QStringLiteral("<no time stamp> ") + line;
    return line.mid(match.capturedLength());
}

static QColor lastParagraphColour(const QTextEdit &edit)
{
    const QTextBlock block = edit.document()->lastBlock();
    return block.begin().fragment().charFormat().foreground().color();
}

class tst_Logger : public QObject
{
    Q_OBJECT

private slots:
    void composedLine_data();
    void composedLine();
    void maskFilters_data();
    void maskFilters();
    void untypedLineIgnoresMask();
    void sinksInNameOrder();
    void sinkReplacedAndRemoved();
    void textWindowColours_data();
    void textWindowColours();
    void textWindowOutlivesItsWidget();
    void fileSink_data();
    void fileSink();
    void fileSinkThatCannotOpen();
};

void tst_Logger::composedLine_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("information") << 1u << "INFO: ";
    QTest::newRow("warning") << 2u << "WARNING: ";
    QTest::newRow("error") << 4u << "ERROR: ";
    QTest::newRow("test value") << 8u << "TEST: ";
    QTest::newRow("network") << 16u << "NETWORK: ";
    QTest::newRow("network failure") << 32u << "NETWORK FAIL: ";
    QTest::newRow("performance") << 64u << "PERFORMANCE: ";
    QTest::newRow("zero") << 0u << "";
    QTest::newRow("two bits") << 3u << "";
    QTest::newRow("unknown bit") << 128u << "";
    QTest::newRow("all bits") << 0xFFFFFFFFu << "";
}

void tst_Logger::composedLine()
{
    QFETCH(quint32, type);
    QFETCH(QString, prefix);

    VyrApplicationLogger logger(0xFFFFFFFFu);
    QString line;
    logger.ComposeString(static_cast<AppLogType>(type), QStringLiteral("Plugin Init end"), line);
    QCOMPARE(afterTimeStamp(line), prefix + QStringLiteral("Plugin Init end"));
}

void tst_Logger::maskFilters_data()
{
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<quint32>("type");
    QTest::addColumn<bool>("passes");

    QTest::newRow("mask 5 drops a warning") << 5u << 2u << false;
    QTest::newRow("mask 5 passes an error") << 5u << 4u << true;
    QTest::newRow("mask 5 passes information") << 5u << 1u << true;
    QTest::newRow("type 3 passes mask 1") << 1u << 3u << true;
    QTest::newRow("type 3 passes mask 2") << 2u << 3u << true;
    QTest::newRow("type 3 dropped by mask 4") << 4u << 3u << false;
    QTest::newRow("mask 0 drops information") << 0u << 1u << false;
    QTest::newRow("mask 0 drops everything") << 0u << 0xFFFFFFFFu << false;
    QTest::newRow("mask 125 drops a warning") << 125u << 2u << false;
    QTest::newRow("mask 125 passes performance") << 125u << 64u << true;
}

void tst_Logger::maskFilters()
{
    QFETCH(quint32, mask);
    QFETCH(quint32, type);
    QFETCH(bool, passes);

    QList<RecordingSink::Entry> entries;
    VyrApplicationLogger logger(0xFFFFFFFFu);
    logger.AddLogger("sink", QSharedPointer<VyrBaseLogger>(new RecordingSink("sink", &entries)));
    logger.setMask(mask);
    logger.PrintLog(static_cast<AppLogType>(type), QStringLiteral("text"));
    QCOMPARE(entries.size(), passes ? 1 : 0);

    // A sink's own mask applies after the application logger's.
    entries.clear();
    logger.setMask(0xFFFFFFFFu);
    logger.AddLogger("sink",
                     QSharedPointer<VyrBaseLogger>(new RecordingSink("sink", &entries, mask)));
    logger.PrintLog(static_cast<AppLogType>(type), QStringLiteral("text"));
    QCOMPARE(entries.size(), passes ? 1 : 0);
}

void tst_Logger::untypedLineIgnoresMask()
{
    QList<RecordingSink::Entry> entries;
    VyrApplicationLogger logger(0);
    logger.AddLogger("one", QSharedPointer<VyrBaseLogger>(new RecordingSink("one", &entries)));
    logger.AddLogger("two", QSharedPointer<VyrBaseLogger>(new RecordingSink("two", &entries)));

    logger.PrintLog(AppLogError, QStringLiteral("dropped"));
    logger.PrintLog(QStringLiteral("always"));

    QCOMPARE(entries.size(), 2);
    for (const RecordingSink::Entry &entry : qAsConst(entries)) {
        QCOMPARE(entry.type, 0xFFFFFFFFu);
        QCOMPARE(afterTimeStamp(entry.line), QStringLiteral("always"));
    }
    // Composed once: every sink gets the very same line.
    QCOMPARE(entries.at(0).line, entries.at(1).line);
}

void tst_Logger::sinksInNameOrder()
{
    QList<RecordingSink::Entry> entries;
    VyrApplicationLogger logger(0xFFFFFFFFu);
    for (const char *name : {"b", "a", "B", "widgetLogger", "aa"})
        logger.AddLogger(name, QSharedPointer<VyrBaseLogger>(new RecordingSink(name, &entries)));
    logger.PrintLog(AppLogInfo, QStringLiteral("x"));

    QStringList order;
    for (const RecordingSink::Entry &entry : qAsConst(entries))
        order << entry.sink;
    // Byte-wise order of the names: upper case before lower case.
    QCOMPARE(order, QStringList({"B", "a", "aa", "b", "widgetLogger"}));
}

void tst_Logger::sinkReplacedAndRemoved()
{
    QList<RecordingSink::Entry> entries;
    bool firstReleased = false;
    VyrApplicationLogger logger(0xFFFFFFFFu);
    logger.AddLogger("a", QSharedPointer<VyrBaseLogger>(new RecordingSink("first", &entries),
                                                        [&firstReleased](VyrBaseLogger *sink) {
                                                            firstReleased = true;
                                                            delete sink;
                                                        }));
    logger.AddLogger("a", QSharedPointer<VyrBaseLogger>(new RecordingSink("second", &entries)));
    QVERIFY(firstReleased);

    logger.PrintLog(AppLogInfo, QStringLiteral("x"));
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.at(0).sink, QStringLiteral("second"));

    logger.RemoveLogger("a");
    logger.RemoveLogger("never added");
    logger.PrintLog(AppLogInfo, QStringLiteral("y"));
    QCOMPARE(entries.size(), 1);
}

void tst_Logger::textWindowColours_data()
{
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QColor>("colour");

    // Each line follows an error line, so a type without a colour stays red.
    QTest::newRow("information") << 1u << QColor(Qt::black);
    QTest::newRow("warning") << 2u << QColor(Qt::blue);
    QTest::newRow("error") << 4u << QColor(Qt::red);
    QTest::newRow("test value") << 8u << QColor(Qt::darkCyan);
    QTest::newRow("network") << 16u << QColor(Qt::darkGreen);
    QTest::newRow("network failure") << 32u << QColor(Qt::magenta);
    QTest::newRow("performance") << 64u << QColor(Qt::blue);
    QTest::newRow("two bits keep the colour") << 3u << QColor(Qt::red);
    QTest::newRow("untyped keeps the colour") << 0xFFFFFFFFu << QColor(Qt::red);
}

void tst_Logger::textWindowColours()
{
    QFETCH(quint32, type);
    QFETCH(QColor, colour);

    QTextEdit edit;
    VyrApplicationLogger logger(0xFFFFFFFFu);
    logger.AddLogger("widgetLogger", QSharedPointer<VyrBaseLogger>(new VyrTextWindowLog(&edit)));

    logger.PrintLog(AppLogError, QStringLiteral("before"));
    QCOMPARE(lastParagraphColour(edit), QColor(Qt::red));
    if (type == 0xFFFFFFFFu)
        logger.PrintLog(QStringLiteral("line"));
    else
        logger.PrintLog(static_cast<AppLogType>(type), QStringLiteral("line"));

    QCOMPARE(edit.document()->blockCount(), 2);
    QCOMPARE(afterTimeStamp(edit.document()->lastBlock().text()),
             VyrBaseLogger::typePrefix(static_cast<AppLogType>(type)) + QStringLiteral("line"));
    QCOMPARE(lastParagraphColour(edit), colour);
}

void tst_Logger::textWindowOutlivesItsWidget()
{
    VyrApplicationLogger logger(0xFFFFFFFFu);
    auto *edit = new QTextEdit;
    logger.AddLogger("widgetLogger", QSharedPointer<VyrBaseLogger>(new VyrTextWindowLog(edit)));
    logger.PrintLog(AppLogInfo, QStringLiteral("shown"));
    QCOMPARE(edit->document()->blockCount(), 1);
    delete edit;
    // Lines logged after the widget is gone are dropped.
    logger.PrintLog(AppLogInfo, QStringLiteral("dropped"));
}

void tst_Logger::fileSink_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("truncate");

    QTest::newRow("truncate") << QStringLiteral("vyr.log") << true;
    QTest::newRow("append") << QStringLiteral("vyr.log") << false;
    QTest::newRow("name beyond Latin-1") << QString::fromUtf8(
        "\xd0\xb6\xd1\x83\xd1\x80\xd0\xbd\xd0\xb0\xd0\xbb-\xe6\x97\xa5\xe5\xbf\x97.log")
                                         << false;
}

void tst_Logger::fileSink()
{
    QFETCH(QString, fileName);
    QFETCH(bool, truncate);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(fileName);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old line\n");
    }

    const QString text = QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                           "e \xe2\x9c\x93");
    {
        VyrApplicationLogger logger(5);
        logger.AddLogger("file", QSharedPointer<VyrBaseLogger>(new VyrFileLogger(path, truncate)));
        logger.PrintLog(AppLogError, text);
        logger.PrintLog(AppLogWarning, QStringLiteral("masked"));
        logger.PrintLog(QStringLiteral("untyped"));
    }

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const int first = truncate ? 0 : 1;
    QCOMPARE(lines.size(), first + 3); // the last line feed leaves an empty tail
    if (!truncate)
        QCOMPARE(lines.at(0), QByteArray("old line"));
    QCOMPARE(afterTimeStamp(QString::fromUtf8(lines.at(first))), QStringLiteral("ERROR: ") + text);
    QCOMPARE(afterTimeStamp(QString::fromUtf8(lines.at(first + 1))), QStringLiteral("untyped"));
    QCOMPARE(lines.at(first + 2), QByteArray());
}

void tst_Logger::fileSinkThatCannotOpen()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("missing/folder/vyr.log"));
    QList<RecordingSink::Entry> entries;
    VyrApplicationLogger logger(0xFFFFFFFFu);
    logger.AddLogger("a-file", QSharedPointer<VyrBaseLogger>(new VyrFileLogger(path, true)));
    logger.AddLogger("b-record", QSharedPointer<VyrBaseLogger>(new RecordingSink("b", &entries)));
    logger.PrintLog(AppLogInfo, QStringLiteral("still delivered"));
    // The silent sink neither fails nor stops the sinks after it.
    QCOMPARE(entries.size(), 1);
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(tst_Logger)
#include "tst_logger.moc"
