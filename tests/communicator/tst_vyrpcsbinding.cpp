#include "communicatortestsupport.h"
#include "vyrpcs.h"
#include "vyrpcsbinding.h"

#include <QtTest>

#include <cstring>
#include <type_traits>

// The binding's function types are the store's own.
static_assert(std::is_same<decltype(&vyrPcsOpenX11), VyrPcsBinding::OpenX11Fn>::value, "open");
static_assert(std::is_same<decltype(&vyrPcsClose), VyrPcsBinding::CloseFn>::value, "close");
static_assert(std::is_same<decltype(&vyrPcsGetDataType), VyrPcsBinding::GetDataTypeFn>::value,
              "data type");
static_assert(std::is_same<decltype(&vyrPcsGetU32), VyrPcsBinding::GetU32Fn>::value, "u32");
static_assert(std::is_same<decltype(&vyrPcsGetStr), VyrPcsBinding::GetStrFn>::value, "string");
static_assert(std::is_same<decltype(&vyrPcsGetRaw), VyrPcsBinding::GetRawFn>::value, "raw");
static_assert(std::is_same<decltype(&vyrPcsSetU32), VyrPcsBinding::SetU32Fn>::value, "set");
static_assert(std::is_same<decltype(&vyrPcsDelete), VyrPcsBinding::DeleteFn>::value, "delete");

// This test links the store into the process, as a driver that provides it would; the
// binding must then take the functions from the process. The store's own behaviour is
// checked through the bound functions.
class tst_VyrPcsBinding : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void bindsFunctionsOfTheProcess();
    void writeAndReadAddressesMeet();
    void stringLargerThanBufferIsNotCopied();
    void fileStoreKeepsChangesAndEscapes();
    void malformedLinesAreSkipped();

private:
    VyrPcsHandle open();

    QTemporaryDir m_dir;
};

void tst_VyrPcsBinding::init()
{
    qunsetenv("VYR_PCS_STORE");
    qunsetenv("VYR_PCS_FAIL");
}

VyrPcsHandle tst_VyrPcsBinding::open()
{
    VyrPcsHandle handle = nullptr;
    if (VyrPcsBinding::instance().openX11()(&handle, nullptr) != 0)
        return nullptr;
    return handle;
}

void tst_VyrPcsBinding::bindsFunctionsOfTheProcess()
{
    const VyrPcsBinding &pcs = VyrPcsBinding::instance();
    QVERIFY(pcs.isBound());
    QCOMPARE(pcs.source(), QStringLiteral("process"));
    QVERIFY(pcs.openX11() == &vyrPcsOpenX11);
    QVERIFY(pcs.deleteKey() == &vyrPcsDelete);
}

void tst_VyrPcsBinding::writeAndReadAddressesMeet()
{
    // Writers address a key as ("MCIL", whole key), readers as the split key.
    const VyrPcsBinding &pcs = VyrPcsBinding::instance();
    VyrPcsHandle handle = open();
    QVERIFY(handle != nullptr);
    QCOMPARE(pcs.setU32()(handle, 0, "MCIL", "VYRPCSROOT/SYSTEM/MCIL/Sub/Value", 77u), 0);
    int type = 0;
    QCOMPARE(pcs.getDataType()(handle, 0, "MCIL/", "Sub\\Value", &type), 0);
    QCOMPARE(type, int(VYRPCS_TYPE_U32));
    uint32_t value = 0;
    QCOMPARE(pcs.getU32()(handle, 0, "MCIL/", "Sub\\Value", &value), 0);
    QCOMPARE(value, 77u);
    QCOMPARE(pcs.deleteKey()(handle, 0, "MCIL", "VYRPCSROOT/SYSTEM/MCIL/Sub/Value"), 0);
    QCOMPARE(pcs.getU32()(handle, 0, "MCIL/", "Sub\\Value", &value), int(VYRPCS_ERR_NOT_FOUND));
    QCOMPARE(pcs.deleteKey()(handle, 0, "MCIL", "VYRPCSROOT/SYSTEM/MCIL/Sub/Value"),
             int(VYRPCS_ERR_NOT_FOUND));
    QCOMPARE(pcs.getU32()(handle, 0, "", "Value", &value), int(VYRPCS_ERR_INVALID_ARGUMENT));
    QCOMPARE(pcs.close()(handle), 0);
    QCOMPARE(pcs.close()(handle), int(VYRPCS_ERR_INVALID_ARGUMENT)); // closed twice
}

void tst_VyrPcsBinding::stringLargerThanBufferIsNotCopied()
{
    const VyrPcsBinding &pcs = VyrPcsBinding::instance();
    VyrPcsHandle handle = open();
    QVERIFY(handle != nullptr);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    uint32_t length = 0;
    QCOMPARE(pcs.getStr()(handle, 0, "LDC/", "ReleaseVersion", sizeof buffer, buffer, &length),
             int(VYRPCS_ERR_BUFFER_TOO_SMALL));
    QVERIFY(length > sizeof buffer);
    QCOMPARE(QByteArray(buffer, sizeof buffer), QByteArray(8, 'x'));
    // Asking for a string as raw bytes is a type error.
    unsigned char raw[64];
    QCOMPARE(pcs.getRaw()(handle, 0, "LDC/", "ReleaseVersion", sizeof raw, raw, &length),
             int(VYRPCS_ERR_WRONG_TYPE));
    pcs.close()(handle);
}

void tst_VyrPcsBinding::fileStoreKeepsChangesAndEscapes()
{
    const QString fileName = m_dir.filePath(QStringLiteral("escapes.pcs"));
    QVERIFY(writeStoreFile(fileName, "LDC/Text\tstr\ta\\tb\\0c\\\\d\\xe9\n"
                                     "LDC/Blob\traw\t00 ff 10\n"));
    qputenv("VYR_PCS_STORE", fileName.toLocal8Bit());
    const VyrPcsBinding &pcs = VyrPcsBinding::instance();
    VyrPcsHandle handle = open();
    QVERIFY(handle != nullptr);
    char text[64] = {};
    uint32_t length = 0;
    QCOMPARE(pcs.getStr()(handle, 0, "LDC", "Text", sizeof text, text, &length), 0);
    QCOMPARE(QByteArray(text, int(length)), QByteArray("a\tb\0c\\d\xe9", 8));
    unsigned char blob[64] = {};
    QCOMPARE(pcs.getRaw()(handle, 0, "LDC", "Blob", sizeof blob, blob, &length), 0);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(blob), int(length)),
             QByteArray("\x00\xff\x10", 3));

    // A change is written back, and every other value survives the rewrite unchanged.
    QCOMPARE(pcs.setU32()(handle, 0, "MCIL", "ZelkLogEnable", 5u), 0);
    pcs.close()(handle);
    const QByteArray written = readWholeFile(fileName);
    QVERIFY(written.contains("MCIL/ZelkLogEnable\tu32\t5\n"));
    QVERIFY(written.contains("LDC/Text\tstr\ta\\tb\\0c\\\\d\\xe9\n"));
    QVERIFY(written.contains("LDC/Blob\traw\t00ff10\n"));
}

void tst_VyrPcsBinding::malformedLinesAreSkipped()
{
    const QString fileName = m_dir.filePath(QStringLiteral("malformed.pcs"));
    QVERIFY(writeStoreFile(fileName, "# comment\n"
                                     "\n"
                                     "LDC/Negative\tu32\t-1\n"
                                     "LDC/TooBig\tu32\t4294967296\n"
                                     "LDC/OddHex\traw\t0f0\n"
                                     "LDC/BadEscape\tstr\tab\\x4\n"
                                     "NoFolder\tu32\t1\n"
                                     "LDC/Unknown\tfloat\t1.5\n"
                                     "LDC/Good\tu32\t0x10\r\n"));
    qputenv("VYR_PCS_STORE", fileName.toLocal8Bit());
    const VyrPcsBinding &pcs = VyrPcsBinding::instance();
    VyrPcsHandle handle = open();
    QVERIFY(handle != nullptr);
    int type = 0;
    for (const char *name : {"Negative", "TooBig", "OddHex", "BadEscape", "Unknown"})
        QCOMPARE(pcs.getDataType()(handle, 0, "LDC", name, &type), int(VYRPCS_ERR_NOT_FOUND));
    uint32_t value = 0;
    QCOMPARE(pcs.getU32()(handle, 0, "LDC", "Good", &value), 0);
    QCOMPARE(value, 16u);
    pcs.close()(handle);
}

QTEST_GUILESS_MAIN(tst_VyrPcsBinding)
#include "tst_vyrpcsbinding.moc"
