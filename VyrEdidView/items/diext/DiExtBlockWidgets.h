#pragma once

#include <QDate>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QValidator;

// The editors of the DI-EXT tree that are more than one Qt widget.

// The forms of the interface standard's version (DI-EXT byte 3 bits 7-6).
enum DiExtVersionWidgetType : int {
    DiExtVersionNone = 0,    // no version given
    DiExtVersionNumbers = 1, // version and revision numbers with two decimals
    DiExtVersionLetter = 2,  // a letter
    DiExtVersionDate = 3,    // a date
};

// What the version editor shows and hands over; only the fields of its form mean something.
struct DiExtVersionWidgetData
{
    DiExtVersionWidgetType type = DiExtVersionNone;
    float version = 0.0f;  // numbers: 0 to 63.99
    float revision = 0.0f; // numbers: 0 to 255.99
    QDate date;            // date
    QString letter;        // letter: one character or none
};

// Edits the version of the interface standard in one of its forms: two number fields ("Ver."
// and "Rev."), one letter, or a date (yyyy-MM-dd); nothing for no version. It reports a
// finished entry only when the user changed a field's text, so visiting the fields reports
// nothing, and a pair of numbers only while both fields hold a number in range (an empty field
// counts as 0).
class DiExtVersionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DiExtVersionWidget(const DiExtVersionWidgetData &values, QWidget *parent = nullptr);

    DiExtVersionWidgetType widgetType() const { return m_type; }

    // Shows the empty fields of a form (another value changes nothing).
    void SetWidgetType(DiExtVersionWidgetType type);
    // Shows the form of data with its values.
    void SetWidgetData(const DiExtVersionWidgetData &values);

signals:
    void editFinished(const DiExtVersionWidgetData &m_data);

public slots:
    // Reads the fields of the current form and reports them with editFinished().
    void onDataParamsChanged();

private:
    void onFieldFinished(QLineEdit *field);
    bool numberUsable(const QLineEdit *field) const;

    DiExtVersionWidgetType m_type = DiExtVersionNone;
    QLineEdit *m_firstEdit;
    QLineEdit *m_secondEdit;
    QLabel *m_firstLabel;
    QLabel *m_secondLabel;
    QValidator *m_versionValidator;
    QValidator *m_revisionValidator;
};
