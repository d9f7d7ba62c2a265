#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

// The two small editors of the HDMI vendor-specific data block rows. Both are plain containers:
// their owner fills the child widgets and reads them back; they only turn the changes of their
// children into one signal each.

// One latency field: its state (no data, not supported, a value) and the value in ms.
class CeaAudioVideoWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CeaAudioVideoWidget(QWidget *parent = nullptr);

    QComboBox *comboBox() const { return m_combo; }
    QLineEdit *lineEdit() const { return m_edit; }

signals:
    // Every change of the state and every end of editing of the value, changed or not.
    void editFinished();

private slots:
    void onSetDataParams();

private:
    QComboBox *m_combo;
    QLineEdit *m_edit;
};

// One extended 3D entry: the video mode (2D VIC order) it applies to, its 3D structure and its
// 3D detail; every signal carries the entry index given at construction.
class CeaExt3dWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CeaExt3dWidget(unsigned int index, QWidget *parent = nullptr);

    QComboBox *modeComboBox() const { return m_mode; }
    QComboBox *optionComboBox() const { return m_option; }
    QLineEdit *lineEdit() const { return m_edit; }
    unsigned int index() const { return m_index; }

signals:
    void valueChanged(unsigned int index, QString value);
    void modeChanged(unsigned int index, int selection);
    void optionChanged(unsigned int index, int selection);

private slots:
    void onComboMode(int selection);
    void onComboOption(int selection);
    void onSetValue();

private:
    QComboBox *m_mode;
    QComboBox *m_option;
    QLineEdit *m_edit;
    unsigned int m_index;
};
