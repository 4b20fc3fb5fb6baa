// TEditFloat: a line edit that holds one real number between two limits and filters typing.
#pragma once

#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;

class TEditFloat : public QLineEdit {
    Q_OBJECT
    // Qt's own limit also cuts every text set from code; here it limits typing only, so the
    // text written from a committed value always shows it whole.
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)
    Q_PROPERTY(bool CorrType READ CorrType WRITE SetCorrType)
    Q_PROPERTY(bool CorrMsg READ CorrMsg WRITE SetCorrMsg)
    Q_PROPERTY(double Max READ Max WRITE SetMax)
    Q_PROPERTY(double Min READ Min WRITE SetMin)
    Q_PROPERTY(double Val READ Val WRITE SetVal)
    Q_PROPERTY(bool ExpInp READ ExpInp WRITE SetExpInp)
    Q_PROPERTY(bool GFormat READ GFormat WRITE SetGFormat)

public:
    explicit TEditFloat(QWidget* parent = nullptr);

    // Commits the text: converts it, corrects or restores a bad entry, rewrites the text.
    // True when the committed value differs from the one before.
    bool GetModify();

    bool CorrType() const { return FCorrType; }
    void SetCorrType(bool value) { FCorrType = value; }
    bool CorrMsg() const { return FCorrMsg; }
    void SetCorrMsg(bool value) { FCorrMsg = value; }
    double Max() const { return FMax; }
    void SetMax(double value);
    double Min() const { return FMin; }
    void SetMin(double value);
    double Val() const { return FVal; }
    void SetVal(double value);
    bool ExpInp() const { return FExpInp; }
    void SetExpInp(bool value) { FExpInp = value; }
    bool GFormat() const { return FGFormat; }
    void SetGFormat(bool value) { FGFormat = value; }

    int maxLength() const { return m_typingLimit; }
    void setMaxLength(int length);

signals:
    void OnExit();
    // Each typed character after the filter; a discarded one arrives as the null character.
    void OnKeyPress(QChar key);

protected:
    void SetVal0(double value);
    bool TextToVal();
    void ValToText();
    void CorrectText();
    // Leaves an admitted character as it is and turns a discarded one into the null character.
    virtual void KeyPress(QChar& Key);

    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool admitsInNormalMode(QChar key) const;
    bool admitsInExponentMode(QChar key) const;
    void typeCharacter(QChar key);
    void pasteWithinTypingLimit();
    bool roomForTyping(QChar key) const;
    QString readableWithinLimits(const QString& shown, QChar separator) const;
    void report(const QString& message) const;

    bool FModify = false;
    bool FCorrType = true;
    bool FCorrMsg = false;
    bool FExpInp = false;
    bool FGFormat = true;
    double FVal = 0.0;
    double FMax = 1.0;
    double FMin = 0.0;
    int m_typingLimit = 32767;
};
