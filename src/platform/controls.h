#pragma once
// The controls of a form.
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/control.h"
#include "platform/picture.h"

namespace platform {

enum AlignmentValue : int { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };
enum BackStyleValue : int { vbTransparent = 0, vbOpaque = 1 };

// Font and colour properties shared by the controls that show text.
struct TextLook {
    QString fontName = QStringLiteral("宋体");
    double fontSize = 9;
    bool bold = false, italic = false, underline = false;
    long foreColor = 0x80000012;
    long backColor = 0x8000000F;
    friend bool operator==(const TextLook&, const TextLook&) = default;
};

// The font and colour properties of a control that shows text; the control says what a change
// needs (a repaint, a new size, the widget's font).
class TextLookProps {
public:
    long ForeColor() const { return look_.foreColor; }
    void setForeColor(long c) { setLook(look_.foreColor, c); }
    long BackColor() const { return look_.backColor; }
    void setBackColor(long c) { setLook(look_.backColor, c); }
    const QString& FontName() const { return look_.fontName; }
    void setFontName(const QString& n) { setLook(look_.fontName, n); }
    double FontSize() const { return look_.fontSize; }
    void setFontSize(double s) { setLook(look_.fontSize, s); }
    bool FontBold() const { return look_.bold; }
    void setFontBold(bool b) { setLook(look_.bold, b); }
    bool FontItalic() const { return look_.italic; }
    void setFontItalic(bool b) { setLook(look_.italic, b); }
    bool FontUnderline() const { return look_.underline; }
    void setFontUnderline(bool b) { setLook(look_.underline, b); }

protected:
    explicit TextLookProps(const TextLook& initial = TextLook())
        : look_(initial)
        , initial_(initial)
    {}
    virtual ~TextLookProps() = default;
    virtual void lookChanged() = 0;
    // The value it already had was set again: nothing to apply or repaint (a label that sizes
    // itself to its text still fits it again).
    virtual void lookKept() {}
    void resetLook() { look_ = initial_; }
    TextLook look_;

private:
    template <class T> void setLook(T& field, const T& value)
    {
        if (field == value) {
            lookKept();
            return;
        }
        field = value;
        lookChanged();
    }
    TextLook initial_;
};

// Text boxes and lists show window text on a window background.
inline const TextLook WindowLook{QStringLiteral("宋体"), 9, false, false, false, 0x80000008, 0x80000005};

class Label : public Control, public TextLookProps {
public:
    Label(Form* form, const QString& name)
        : Control(form, name, Kind::Label)
    {}

    const QString& Caption() const { return p_.caption; }
    void setCaption(const QString& c);
    bool AutoSize() const { return p_.autoSize; }
    void setAutoSize(bool on);
    bool WordWrap() const { return p_.wordWrap; }
    void setWordWrap(bool on);
    int Alignment() const { return p_.alignment; }
    void setAlignment(int a);
    int BackStyle() const { return p_.backStyle; }
    void setBackStyle(int s);
    int BorderStyle() const { return p_.borderStyle; }
    void setBorderStyle(int s);

    // False: the caption is shown as it is, "&" included (texts from outside the program).
    bool UseMnemonic() const { return p_.useMnemonic; }
    void setUseMnemonic(bool on);

    // The caption as shown: "&" marks a mnemonic and is not drawn, "&&" draws one "&".
    QString shownText() const;

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    void lookChanged() override;
    void lookKept() override { fitToText(); }
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;

private:
    void fitToText();
    struct Props {
        QString caption;
        bool autoSize = false, wordWrap = false, useMnemonic = true;
        int alignment = vbLeftJustify, backStyle = vbOpaque, borderStyle = 0;
    } p_;
    // What the last fit measured (text, look, wrapping width, scale) and the size it gave: the
    // same measured again gives the same size, so a label that still has it is not measured.
    struct Fit {
        QString text;
        TextLook look;
        bool wordWrap = false;
        double wrapWidth = 0, twipsX = 0, twipsY = 0;
        double width = 0, height = 0;
        bool operator==(const Fit&) const = default;
    };
    std::optional<Fit> fit_;
    friend class LabelWidget;
};

class Image : public Control {
public:
    Image(Form* form, const QString& name)
        : Control(form, name, Kind::Image)
    {}
    const Picture& picture() const { return p_.picture; }
    // Not stretched, the image takes its picture's size.
    void setPicture(const Picture& pic);
    void clearPicture() { setPicture(Picture()); }
    // Loads a picture file; on failure the image keeps what it had and false is returned.
    bool LoadPicture(const QString& path);
    bool Stretch() const { return p_.stretch; }
    void setStretch(bool on);
    int BorderStyle() const { return p_.borderStyle; }
    void setBorderStyle(int s);

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;

private:
    struct Props {
        Picture picture;
        bool stretch = false;
        int borderStyle = 0;
    } p_;
    friend class ImageWidget;
};

// A container with a picture; children are placed relative to its client area.
class PictureBox : public Control, public Container {
public:
    PictureBox(Form* form, const QString& name)
        : Control(form, name, Kind::PictureBox)
    {}
    const Picture& picture() const { return p_.picture; }
    void setPicture(const Picture& pic);
    void clearPicture() { setPicture(Picture()); }
    bool LoadPicture(const QString& path);
    bool AutoSize() const { return p_.autoSize; }
    void setAutoSize(bool on);
    int BorderStyle() const { return p_.borderStyle; }
    void setBorderStyle(int s);
    long BackColor() const { return p_.backColor; }
    void setBackColor(long c);
    double ScaleWidth() const;
    double ScaleHeight() const;

    QWidget* hostWidget() const override { return widget_; }
    QPoint clientOriginPx() const override;
    Form* ownerForm() override { return form(); }

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;

private:
    int borderPx() const;
    void fitToPicture();
    struct Props {
        Picture picture;
        bool autoSize = false;
        int borderStyle = 1;
        long backColor = 0x8000000F;
    } p_;
    friend class PictureBoxWidget;
};

class TextBox : public Control, public TextLookProps {
public:
    TextBox(Form* form, const QString& name)
        : Control(form, name, Kind::TextBox)
        , TextLookProps(WindowLook)
    {}
    QString Text() const;
    // Writing the text raises Change at once when it differs.
    void setText(const QString& t);
    int SelStart() const;
    void setSelStart(int s);
    int SelLength() const;
    void setSelLength(int n);
    QString SelText() const;
    void setSelText(const QString& t);
    int MaxLength() const { return p_.maxLength; }
    void setMaxLength(int n);
    int Alignment() const { return p_.alignment; }
    void setAlignment(int a);
    bool Locked() const { return p_.locked; }
    void setLocked(bool on);
    bool MultiLine() const { return p_.multiLine; }
    void setMultiLine(bool on); // a design-time choice: takes effect at the next loading
    int BorderStyle() const { return p_.borderStyle; }
    void setBorderStyle(int s);
    QString PasswordChar() const { return p_.passwordChar; }
    void setPasswordChar(const QString& c);

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;
    // Pasted text: through the KeyPress handlers in one pass, then inserted at once (one Change).
    // While they judge, the text reads as typing would have left it so far.
    void pasteTyped(const QString& text);

protected:
    void lookChanged() override;
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;

private:
    void applyLook();
    void textEdited(); // the widget's text changed
    struct Props {
        QString text;
        int selStart = 0, selLength = 0;
        int maxLength = 0, alignment = vbLeftJustify, borderStyle = 1;
        bool locked = false, multiLine = false;
        QString passwordChar;
    } p_;
    bool writing_ = false;
    int codeWrites_ = 0; // writes of the text from code, so a paste sees a handler's write
};

class ListBox : public Control, public TextLookProps {
public:
    ListBox(Form* form, const QString& name)
        : Control(form, name, Kind::ListBox)
        , TextLookProps(WindowLook)
    {}
    void AddItem(const QString& item, int index = -1);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return int(p_.items.size()); }
    QString List(int index) const;
    void setList(int index, const QString& text);
    int ListIndex() const { return p_.listIndex; }
    // Writing the index raises Click at once when it changes.
    void setListIndex(int index);
    QString Text() const { return List(p_.listIndex); }

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    void lookChanged() override;
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;
    bool synthesizesClick() const override { return false; }

private:
    void fillWidget();
    struct Props {
        QStringList items;
        int listIndex = -1;
    } p_;
    bool writing_ = false;
};

class CommandButton : public Control, public TextLookProps {
public:
    CommandButton(Form* form, const QString& name)
        : Control(form, name, Kind::CommandButton)
    {}
    const QString& Caption() const { return p_.caption; }
    void setCaption(const QString& c);
    // 0 standard, 1 graphical (its back colour and picture show).
    int Style() const { return p_.style; }
    void setStyle(int s);
    const Picture& picture() const { return p_.picture; }
    void setPicture(const Picture& pic);
    bool Default() const { return p_.isDefault; }
    void setDefault(bool on) { p_.isDefault = on; }
    bool Cancel() const { return p_.isCancel; }
    void setCancel(bool on) { p_.isCancel = on; }
    // Clicks the button from code, as setting its Value does.
    void setValue(bool pressed);

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    void lookChanged() override;
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;
    bool synthesizesClick() const override { return false; }

private:
    struct Props {
        QString caption;
        int style = 0;
        Picture picture;
        bool isDefault = false, isCancel = false;
    } p_;
    friend class ButtonWidget;
};

// A container with a caption and a border; children are placed relative to its top-left.
class Frame : public Control, public Container, public TextLookProps {
public:
    Frame(Form* form, const QString& name)
        : Control(form, name, Kind::Frame)
    {}
    const QString& Caption() const { return p_.caption; }
    void setCaption(const QString& c);
    int BorderStyle() const { return p_.borderStyle; }
    void setBorderStyle(int s);

    QWidget* hostWidget() const override { return widget_; }
    Form* ownerForm() override { return form(); }

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    void lookChanged() override;
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;

private:
    struct Props {
        QString caption;
        int borderStyle = 1;
    } p_;
    friend class FrameWidget;
};

class CheckBox : public Control, public TextLookProps {
public:
    CheckBox(Form* form, const QString& name)
        : Control(form, name, Kind::CheckBox)
    {}
    const QString& Caption() const { return p_.caption; }
    void setCaption(const QString& c);
    // 0 unchecked, 1 checked, 2 grayed; writing it raises Click when it changes.
    int Value() const { return p_.value; }
    void setValue(int v);

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    void lookChanged() override;
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;
    bool synthesizesClick() const override { return false; }

private:
    struct Props {
        QString caption;
        int value = 0;
    } p_;
    bool writing_ = false;
};

enum ShapeKind : int {
    vbShapeRectangle = 0,
    vbShapeSquare = 1,
    vbShapeOval = 2,
    vbShapeCircle = 3,
    vbShapeRoundedRectangle = 4,
    vbShapeRoundedSquare = 5
};
enum DrawStyle : int {
    vbBSTransparent = 0,
    vbBSSolid = 1,
    vbBSDash = 2,
    vbBSDot = 3,
    vbBSDashDot = 4,
    vbBSDashDotDot = 5,
    vbBSInsideSolid = 6
};
enum FillStyleValue : int { vbFSSolid = 0, vbFSTransparent = 1 };

// A drawn shape; it never takes the mouse.
class Shape : public Control {
public:
    Shape(Form* form, const QString& name)
        : Control(form, name, Kind::Shape)
    {}
    int shape() const { return p_.shape; }
    void setShape(int s);
    long BorderColor() const { return p_.borderColor; }
    void setBorderColor(long c);
    int BorderWidth() const { return p_.borderWidth; }
    void setBorderWidth(int w);
    int BorderStyle() const { return p_.borderStyle; }
    void setBorderStyle(int s);
    int FillStyle() const { return p_.fillStyle; }
    void setFillStyle(int s);
    long FillColor() const { return p_.fillColor; }
    void setFillColor(long c);
    int BackStyle() const { return p_.backStyle; }
    void setBackStyle(int s);
    long BackColor() const { return p_.backColor; }
    void setBackColor(long c);

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;

private:
    struct Props {
        int shape = vbShapeRectangle;
        long borderColor = 0x80000008;
        int borderWidth = 1, borderStyle = vbBSSolid, fillStyle = vbFSTransparent;
        long fillColor = 0;
        int backStyle = vbTransparent;
        long backColor = 0x80000005;
    } p_;
    friend class ShapeWidget;
};

// A drawn line from (X1, Y1) to (X2, Y2); it never takes the mouse.
class Line : public Control {
public:
    Line(Form* form, const QString& name)
        : Control(form, name, Kind::Line)
    {}
    double X1() const { return p_.x1; }
    double Y1() const { return p_.y1; }
    double X2() const { return p_.x2; }
    double Y2() const { return p_.y2; }
    void setX1(double v);
    void setY1(double v);
    void setX2(double v);
    void setY2(double v);
    // Both ends at once: the line leaves one place for another, and only those two are repainted
    // (end by end, it would pass through the places in between).
    void setPoints(double x1, double y1, double x2, double y2);
    long BorderColor() const { return p_.borderColor; }
    void setBorderColor(long c);
    int BorderWidth() const { return p_.borderWidth; }
    void setBorderWidth(int w);
    int BorderStyle() const { return p_.borderStyle; }
    void setBorderStyle(int s);

    void resetProps() override;
    void copyPropsFrom(const Control& other) override;

protected:
    QWidget* makeWidget(QWidget* parent) override;
    void applyAll() override;
    QRect pixelRect() const override;

private:
    void relayout();
    struct Props {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        long borderColor = 0x80000008;
        int borderWidth = 1, borderStyle = vbBSSolid;
    } p_;
    friend class LineWidget;
};

using LabelArray = ControlArray<Label>;
using ImageArray = ControlArray<Image>;
using PictureBoxArray = ControlArray<PictureBox>;
using TextBoxArray = ControlArray<TextBox>;
using CommandButtonArray = ControlArray<CommandButton>;
using ShapeArray = ControlArray<Shape>;
using LineArray = ControlArray<Line>;
using CheckBoxArray = ControlArray<CheckBox>;
using FrameArray = ControlArray<Frame>;

} // namespace platform
