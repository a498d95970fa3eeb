#include "platform/controls.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QWidget>
#include <cmath>

#include "platform/event_bridge.h"
#include "platform/fonts.h"
#include "platform/units.h"

namespace platform {

namespace {

QFont lookFont(const TextLook& look)
{
    return makeFont(look.fontName, look.fontSize, look.bold, look.italic, look.underline);
}

void paintBorder(QPainter& p, const QRect& r, bool sunken)
{
    p.setPen(sunken ? QColor(128, 128, 128) : QColor(255, 255, 255));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(sunken ? QColor(255, 255, 255) : QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

Qt::PenStyle penStyle(int borderStyle)
{
    switch (borderStyle) {
    case vbBSTransparent:
        return Qt::NoPen;
    case vbBSDash:
        return Qt::DashLine;
    case vbBSDot:
        return Qt::DotLine;
    case vbBSDashDot:
        return Qt::DashDotLine;
    case vbBSDashDotDot:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

QString stripMnemonic(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) out += QLatin1Char('&'), ++i;
            continue;
        }
        out += caption.at(i);
    }
    return out;
}

int alignFlags(int alignment)
{
    switch (alignment) {
    case vbRightJustify:
        return Qt::AlignRight;
    case vbCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

// Label --------------------------------------------------------------------------------------

class LabelWidget final : public QWidget {
public:
    LabelWidget(Label* l, QWidget* parent)
        : QWidget(parent)
        , l_(l)
    {}
    void paintEvent(QPaintEvent*) override
    {
        const auto& pr = l_->p_;
        const TextLook& look = l_->look_;
        const QString text = l_->shownText();
        // A hot-spot (transparent, no border, no caption) draws nothing: what lies under it shows.
        if (pr.backStyle != vbOpaque && pr.borderStyle != 1 && text.isEmpty()) return;
        QPainter p(this);
        if (pr.backStyle == vbOpaque) p.fillRect(rect(), toQColor(look.backColor));
        if (pr.borderStyle == 1) paintBorder(p, rect().adjusted(0, 0, -1, -1), true);
        p.setFont(lookFont(look));
        const int flags = alignFlags(pr.alignment) | Qt::AlignTop | Qt::TextWordWrap;
        if (!isEnabled()) {
            // A disabled caption is greyed: a light copy one pixel down and right under the text in
            // the button-shadow grey.
            p.setPen(Qt::white);
            p.drawText(rect().translated(1, 1), flags, text);
            p.setPen(QColor(0xAC, 0xA8, 0x99));
        } else {
            p.setPen(toQColor(look.foreColor));
        }
        p.drawText(rect(), flags, text);
    }
    Label* l_;
};

QString Label::shownText() const
{
    return p_.useMnemonic ? stripMnemonic(p_.caption) : p_.caption;
}

void Label::setUseMnemonic(bool on)
{
    const bool same = on == p_.useMnemonic;
    p_.useMnemonic = on;
    fitToText();
    if (widget_ && !same) widget_->update();
}

QWidget* Label::makeWidget(QWidget* parent)
{
    return new LabelWidget(this, parent);
}

void Label::applyAll()
{
    Control::applyAll();
    widget_->update();
}

void Label::fitToText()
{
    if (!p_.autoSize) return;
    const QString text = shownText();
    const double wrapWidth = p_.wordWrap ? cp_.width : 0;
    Fit now{text, look_, p_.wordWrap, wrapWidth, twipsPerPixelX(), twipsPerPixelY(), cp_.width, cp_.height};
    if (fit_ && *fit_ == now) return;
    QFontMetrics fm(lookFont(look_));
    QRect r;
    if (p_.wordWrap)
        r = fm.boundingRect(QRect(0, 0, std::max(1, toPixelsX(cp_.width)), 100000), Qt::TextWordWrap, text);
    else
        r = fm.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
    if (!p_.wordWrap) cp_.width = fromPixelsX(r.width());
    cp_.height = fromPixelsY(std::max(r.height(), fm.height()));
    applyGeometry();
    now.width = cp_.width;
    now.height = cp_.height;
    fit_ = now;
}

void Label::setCaption(const QString& c)
{
    const bool same = c == p_.caption;
    p_.caption = c;
    fitToText();
    if (widget_ && !same) widget_->update();
}
void Label::setAutoSize(bool on)
{
    p_.autoSize = on;
    fitToText();
}
void Label::setWordWrap(bool on)
{
    p_.wordWrap = on;
    fitToText();
}
void Label::setAlignment(int a)
{
    if (a == p_.alignment) return;
    p_.alignment = a;
    if (widget_) widget_->update();
}
void Label::setBackStyle(int s)
{
    if (s == p_.backStyle) return;
    p_.backStyle = s;
    if (widget_) widget_->update();
}
void Label::setBorderStyle(int s)
{
    if (s == p_.borderStyle) return;
    p_.borderStyle = s;
    if (widget_) widget_->update();
}

void Label::lookChanged()
{
    fitToText();
    if (widget_) widget_->update();
}

void Label::resetProps()
{
    Control::resetProps();
    p_ = Props{};
    resetLook();
    fit_.reset();
}
void Label::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const Label*>(&other)) p_ = o->p_, look_ = o->look_;
    fit_.reset();
}

// Image --------------------------------------------------------------------------------------

class ImageWidget final : public QWidget {
public:
    ImageWidget(Image* i, QWidget* parent)
        : QWidget(parent)
        , i_(i)
    {}
    void paintEvent(QPaintEvent*) override
    {
        const auto& pr = i_->p_;
        if (pr.picture.isNull()) return;
        QPainter p(this);
        if (pr.stretch)
            p.drawPixmap(rect(), pr.picture.pixmap());
        else
            p.drawPixmap(0, 0, pr.picture.pixmap());
    }
    Image* i_;
};

QWidget* Image::makeWidget(QWidget* parent)
{
    return new ImageWidget(this, parent);
}

void Image::applyAll()
{
    Control::applyAll();
    widget_->update();
}

void Image::setPicture(const Picture& pic)
{
    const bool same = pic.sameImage(p_.picture);
    p_.picture = pic;
    if (!pic.isNull() && !p_.stretch) {
        cp_.width = pic.widthTwips();
        cp_.height = pic.heightTwips();
        applyGeometry();
    }
    if (widget_ && !same) widget_->update();
}

bool Image::LoadPicture(const QString& path)
{
    auto pic = loadPictureOrEmpty(path);
    if (pic) setPicture(*pic);
    return pic.has_value();
}

void Image::setStretch(bool on)
{
    const bool same = on == p_.stretch;
    p_.stretch = on;
    if (!on && !p_.picture.isNull()) setPicture(p_.picture); // sized to its picture again
    if (widget_ && !same) widget_->update();
}

void Image::setBorderStyle(int s)
{
    p_.borderStyle = s;
}

void Image::resetProps()
{
    Control::resetProps();
    p_ = Props{};
}
void Image::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const Image*>(&other)) p_ = o->p_;
}

// PictureBox ---------------------------------------------------------------------------------

class PictureBoxWidget final : public QWidget {
public:
    PictureBoxWidget(PictureBox* b, QWidget* parent)
        : QWidget(parent)
        , b_(b)
    {
        setFocusPolicy(Qt::ClickFocus);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const auto& pr = b_->p_;
        p.fillRect(rect(), toQColor(pr.backColor));
        const int b = b_->borderPx();
        if (!pr.picture.isNull()) p.drawPixmap(b, b, pr.picture.pixmap());
        if (b) {
            paintBorder(p, rect().adjusted(0, 0, -1, -1), true);
            paintBorder(p, rect().adjusted(1, 1, -2, -2), true);
        }
    }
    PictureBox* b_;
};

int PictureBox::borderPx() const
{
    return p_.borderStyle == 1 ? 2 : 0;
}
QPoint PictureBox::clientOriginPx() const
{
    return QPoint(borderPx(), borderPx());
}
double PictureBox::ScaleWidth() const
{
    return cp_.width - fromPixelsX(2 * borderPx());
}
double PictureBox::ScaleHeight() const
{
    return cp_.height - fromPixelsY(2 * borderPx());
}

QWidget* PictureBox::makeWidget(QWidget* parent)
{
    return new PictureBoxWidget(this, parent);
}

void PictureBox::applyAll()
{
    Control::applyAll();
    widget_->update();
}

void PictureBox::fitToPicture()
{
    if (!p_.autoSize || p_.picture.isNull()) return;
    cp_.width = p_.picture.widthTwips() + fromPixelsX(2 * borderPx());
    cp_.height = p_.picture.heightTwips() + fromPixelsY(2 * borderPx());
    applyGeometry();
}

void PictureBox::setPicture(const Picture& pic)
{
    const bool same = pic.sameImage(p_.picture);
    p_.picture = pic;
    fitToPicture();
    if (widget_ && !same) widget_->update();
}

bool PictureBox::LoadPicture(const QString& path)
{
    auto pic = loadPictureOrEmpty(path);
    if (pic) setPicture(*pic);
    return pic.has_value();
}

void PictureBox::setAutoSize(bool on)
{
    p_.autoSize = on;
    fitToPicture();
}

void PictureBox::setBorderStyle(int s)
{
    p_.borderStyle = s;
    fitToPicture();
    for (Control* c : children())
        c->Move(c->Left(), c->Top()); // their origin moved with the border
    if (widget_) widget_->update();
}

void PictureBox::setBackColor(long c)
{
    if (c == p_.backColor) return;
    p_.backColor = c;
    if (widget_) widget_->update();
}

void PictureBox::resetProps()
{
    Control::resetProps();
    p_ = Props{};
}
void PictureBox::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const PictureBox*>(&other)) p_ = o->p_;
}

// TextBox ------------------------------------------------------------------------------------

namespace {

// The edit fields' right-click menu, in Chinese as on the candidate's system. Each entry is
// offered when it can act; paste goes through `paste`, so pasted text meets the field's filter.
void showEditMenu(QWidget* w, QPoint globalPos, bool canUndo, bool hasSelection, bool readOnly, bool secret,
                  const std::function<void()>& undo, const std::function<void()>& cut,
                  const std::function<void()>& copy, const std::function<void()>& paste,
                  const std::function<void()>& del, const std::function<void()>& selectAll, bool hasText)
{
    QMenu menu(w);
    auto add = [&menu](const QString& text, bool enabled, const std::function<void()>& act) {
        QAction* a = menu.addAction(text);
        a->setEnabled(enabled);
        QObject::connect(a, &QAction::triggered, &menu, act);
    };
    const bool clipboardText = !QGuiApplication::clipboard()->text().isEmpty();
    add(QStringLiteral("撤消(&U)"), canUndo && !readOnly, undo);
    menu.addSeparator();
    add(QStringLiteral("剪切(&T)"), hasSelection && !readOnly && !secret, cut);
    add(QStringLiteral("复制(&C)"), hasSelection && !secret, copy);
    add(QStringLiteral("粘贴(&P)"), clipboardText && !readOnly, paste);
    add(QStringLiteral("删除(&D)"), hasSelection && !readOnly, del);
    menu.addSeparator();
    add(QStringLiteral("全选(&A)"), hasText, selectAll);
    menu.exec(globalPos);
}

// A single-line field whose pasted, dropped and input-method text passes the same key-press
// filter as typed text.
class LineEditWidget final : public QLineEdit {
public:
    LineEditWidget(TextBox* t, QWidget* parent)
        : QLineEdit(parent)
        , t_(t)
    {
        setAcceptDrops(false); // an edit field takes no dropped text
    }
    void pasteFiltered()
    {
        if (isReadOnly()) return;
        QString text = QGuiApplication::clipboard()->text();
        const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (end >= 0) text.truncate(end);
        t_->pasteTyped(text);
    }

protected:
    void contextMenuEvent(QContextMenuEvent* e) override
    {
        showEditMenu(
            this, e->globalPos(), isUndoAvailable(), hasSelectedText(), isReadOnly(), echoMode() != Normal,
            [this] { undo(); }, [this] { cut(); }, [this] { copy(); }, [this] { pasteFiltered(); },
            [this] { del(); }, [this] { selectAll(); }, !text().isEmpty());
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e == QKeySequence::Paste) {
            pasteFiltered();
            e->accept();
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::MiddleButton) { // the selection paste of X11
            e->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(e);
    }
    void inputMethodEvent(QInputMethodEvent* e) override
    {
        if (e->commitString().isEmpty()) {
            QLineEdit::inputMethodEvent(e);
            return;
        }
        QPointer<QLineEdit> self(this);
        typeThroughKeyPress(t_->form(), t_, e->commitString(), [this](QChar c) {
            QInputMethodEvent one;
            one.setCommitString(QString(c));
            QLineEdit::inputMethodEvent(&one);
        });
        if (!self) return;
        QInputMethodEvent rest(e->preeditString(), e->attributes());
        QLineEdit::inputMethodEvent(&rest);
    }

private:
    TextBox* t_;
};

class PlainTextWidget final : public QPlainTextEdit {
public:
    PlainTextWidget(TextBox* t, QWidget* parent)
        : QPlainTextEdit(parent)
        , t_(t)
    {}
    void pasteFiltered()
    {
        if (isReadOnly()) return;
        t_->pasteTyped(QGuiApplication::clipboard()->text());
    }

protected:
    void contextMenuEvent(QContextMenuEvent* e) override
    {
        showEditMenu(
            this, e->globalPos(), document()->isUndoAvailable(), textCursor().hasSelection(), isReadOnly(),
            false, [this] { undo(); }, [this] { cut(); }, [this] { copy(); }, [this] { pasteFiltered(); },
            [this] { textCursor().removeSelectedText(); }, [this] { selectAll(); }, !document()->isEmpty());
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e == QKeySequence::Paste) {
            pasteFiltered();
            e->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }

private:
    TextBox* t_;
};

} // namespace

QWidget* TextBox::makeWidget(QWidget* parent)
{
    if (p_.multiLine) {
        auto* e = new PlainTextWidget(this, parent);
        e->setPlainText(p_.text);
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [this, e] {
            if (widget_ != e || writing_) return;
            p_.text = e->toPlainText();
            raiseChange();
        });
        return e;
    }
    auto* e = new LineEditWidget(this, parent);
    e->setText(p_.text);
    QObject::connect(e, &QLineEdit::textChanged, e, [this, e](const QString& t) {
        if (widget_ != e || writing_) return;
        p_.text = t;
        raiseChange();
    });
    return e;
}

void TextBox::applyLook()
{
    if (!widget_) return;
    widget_->setFont(lookFont(look_));
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Text, toQColor(look_.foreColor));
    pal.setColor(QPalette::Base, toQColor(look_.backColor));
    widget_->setPalette(pal);
    if (auto* e = qobject_cast<QLineEdit*>(widget_)) {
        // An edit field writes its line at the top, however tall the field is.
        e->setAlignment(Qt::Alignment(alignFlags(p_.alignment)) | Qt::AlignTop);
        // QLineEdit writes its text again on these two, which drops the selection: only when
        // they change, so a change of font, colour or alignment keeps what is selected.
        const int maxLength = p_.maxLength > 0 ? p_.maxLength : 32767;
        if (e->maxLength() != maxLength) e->setMaxLength(maxLength);
        e->setReadOnly(p_.locked);
        e->setFrame(p_.borderStyle != 0);
        const auto echo = p_.passwordChar.isEmpty() ? QLineEdit::Normal : QLineEdit::Password;
        if (e->echoMode() != echo) e->setEchoMode(echo);
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(widget_)) {
        m->setReadOnly(p_.locked);
        m->setFrameShape(p_.borderStyle != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
    }
}

void TextBox::applyAll()
{
    Control::applyAll();
    widget_->setFocusPolicy(cp_.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    applyLook();
    setSelStart(p_.selStart);
    setSelLength(p_.selLength);
}

QString TextBox::Text() const
{
    return p_.text;
}

void TextBox::setText(const QString& t)
{
    QString text = t;
    if (p_.maxLength > 0 && text.size() > p_.maxLength) text.truncate(p_.maxLength);
    if (text == p_.text) return;
    ++codeWrites_;
    p_.text = text;
    p_.selStart = 0;
    p_.selLength = 0;
    if (widget_) {
        writing_ = true;
        if (auto* e = qobject_cast<QLineEdit*>(widget_))
            e->setText(text), e->setCursorPosition(0);
        else if (auto* m = qobject_cast<QPlainTextEdit*>(widget_))
            m->setPlainText(text);
        writing_ = false;
    }
    raiseChange();
}

int TextBox::SelStart() const
{
    if (auto* e = qobject_cast<QLineEdit*>(widget_))
        return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    if (auto* m = qobject_cast<QPlainTextEdit*>(widget_)) return m->textCursor().selectionStart();
    return p_.selStart;
}

int TextBox::SelLength() const
{
    if (auto* e = qobject_cast<QLineEdit*>(widget_)) return int(e->selectedText().size());
    if (auto* m = qobject_cast<QPlainTextEdit*>(widget_))
        return m->textCursor().selectionEnd() - m->textCursor().selectionStart();
    return p_.selLength;
}

QString TextBox::SelText() const
{
    return p_.text.mid(SelStart(), SelLength());
}

void TextBox::setSelStart(int s)
{
    p_.selStart = std::clamp(s, 0, int(p_.text.size()));
    p_.selLength = 0;
    if (auto* e = qobject_cast<QLineEdit*>(widget_))
        e->setCursorPosition(p_.selStart);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(widget_)) {
        QTextCursor c = m->textCursor();
        c.setPosition(p_.selStart);
        m->setTextCursor(c);
    }
}

void TextBox::setSelLength(int n)
{
    const int start = SelStart();
    p_.selStart = start;
    p_.selLength = std::clamp(n, 0, int(p_.text.size()) - start);
    if (auto* e = qobject_cast<QLineEdit*>(widget_))
        e->setSelection(start, p_.selLength);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(widget_)) {
        QTextCursor c = m->textCursor();
        c.setPosition(start);
        c.setPosition(start + p_.selLength, QTextCursor::KeepAnchor);
        m->setTextCursor(c);
    }
}

void TextBox::setSelText(const QString& t)
{
    const int start = SelStart();
    QString text = p_.text;
    text.replace(start, SelLength(), t);
    setText(text);
    setSelStart(start + int(t.size()));
}

void TextBox::pasteTyped(const QString& text)
{
    auto* line = qobject_cast<QLineEdit*>(widget_);
    auto* plain = qobject_cast<QPlainTextEdit*>(widget_);
    if (!line && !plain) return;
    // Each accepted character goes into the text the handlers read (replacing the selection first,
    // stopping at the greatest length) as typing would put it; the widget takes them all at once.
    // A handler that writes the text from code drops what was accepted before, as typing over it.
    QString before = p_.text;
    int at = SelStart(), selection = SelLength();
    int writes = codeWrites_;
    bool replaced = false;
    QString accepted;
    const bool alive = typeThroughKeyPress(form(), this, text, [&](QChar c) {
        if (writes != codeWrites_) {
            before = p_.text, at = SelStart(), selection = SelLength();
            writes = codeWrites_;
            replaced = false;
            accepted.clear();
        }
        if (!replaced) p_.text.remove(at, selection), replaced = true;
        if (line && p_.text.size() >= line->maxLength()) return;
        p_.text.insert(at + accepted.size(), c);
        accepted += c;
    });
    if (!alive || !widget_) return;
    p_.text = before; // the widget's change below writes it, raising Change once
    if (accepted.isEmpty()) return;
    if (line)
        line->insert(accepted);
    else
        plain->insertPlainText(accepted);
}

void TextBox::setMaxLength(int n)
{
    p_.maxLength = n;
    applyLook();
}
void TextBox::setAlignment(int a)
{
    p_.alignment = a;
    applyLook();
}
void TextBox::setLocked(bool on)
{
    p_.locked = on;
    applyLook();
}
void TextBox::setMultiLine(bool on)
{
    p_.multiLine = on;
}
void TextBox::setBorderStyle(int s)
{
    p_.borderStyle = s;
    applyLook();
}
void TextBox::setPasswordChar(const QString& c)
{
    p_.passwordChar = c.left(1);
    applyLook();
}

void TextBox::lookChanged()
{
    applyLook();
}

void TextBox::resetProps()
{
    Control::resetProps();
    p_ = Props{};
    resetLook();
}
void TextBox::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const TextBox*>(&other)) p_ = o->p_, look_ = o->look_;
}

// ListBox ------------------------------------------------------------------------------------

QWidget* ListBox::makeWidget(QWidget* parent)
{
    auto* l = new QListWidget(parent);
    QObject::connect(l, &QListWidget::currentRowChanged, l, [this, l](int row) {
        if (widget_ != l || writing_) return;
        p_.listIndex = row;
        raiseClick();
    });
    return l;
}

void ListBox::fillWidget()
{
    auto* l = qobject_cast<QListWidget*>(widget_);
    if (!l) return;
    writing_ = true;
    l->clear();
    l->addItems(p_.items);
    l->setCurrentRow(p_.listIndex);
    writing_ = false;
}

void ListBox::applyAll()
{
    Control::applyAll();
    widget_->setFocusPolicy(cp_.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    widget_->setFont(lookFont(look_));
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Text, toQColor(look_.foreColor));
    pal.setColor(QPalette::Base, toQColor(look_.backColor));
    widget_->setPalette(pal);
    fillWidget();
}

void ListBox::AddItem(const QString& item, int index)
{
    if (index < 0 || index > p_.items.size()) index = int(p_.items.size());
    p_.items.insert(index, item);
    if (p_.listIndex >= index) ++p_.listIndex;
    fillWidget();
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= p_.items.size()) return;
    p_.items.removeAt(index);
    if (p_.listIndex == index)
        p_.listIndex = -1;
    else if (p_.listIndex > index)
        --p_.listIndex;
    fillWidget();
}

void ListBox::Clear()
{
    p_.items.clear();
    p_.listIndex = -1;
    fillWidget();
}

QString ListBox::List(int index) const
{
    return index >= 0 && index < p_.items.size() ? p_.items.at(index) : QString();
}

void ListBox::setList(int index, const QString& text)
{
    if (index < 0 || index >= p_.items.size()) return;
    p_.items[index] = text;
    fillWidget();
}

void ListBox::setListIndex(int index)
{
    if (index < -1 || index >= p_.items.size() || index == p_.listIndex) return;
    p_.listIndex = index;
    if (auto* l = qobject_cast<QListWidget*>(widget_)) {
        writing_ = true;
        l->setCurrentRow(index);
        writing_ = false;
    }
    raiseClick();
}

void ListBox::lookChanged()
{
    if (widget_) applyAll();
}

void ListBox::resetProps()
{
    Control::resetProps();
    p_ = Props{};
    resetLook();
}
void ListBox::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const ListBox*>(&other)) p_ = o->p_, look_ = o->look_;
}

// CommandButton ------------------------------------------------------------------------------

class ButtonWidget final : public QPushButton {
public:
    ButtonWidget(CommandButton* b, QWidget* parent)
        : QPushButton(parent)
        , b_(b)
    {
        setAutoDefault(true); // Enter presses the focused button, as Space does
    }
    void paintEvent(QPaintEvent* e) override
    {
        const auto& pr = b_->p_;
        const TextLook& look = b_->look_;
        if (pr.style != 1) {
            QPushButton::paintEvent(e);
            return;
        }
        // Graphical style: the back colour and picture show, with a raised or sunken edge.
        QPainter p(this);
        p.fillRect(rect(), toQColor(look.backColor));
        if (!pr.picture.isNull()) {
            const QPixmap& px = pr.picture.pixmap();
            p.drawPixmap((width() - px.width()) / 2, (height() - px.height()) / 2, px);
        }
        p.setFont(font());
        p.setPen(toQColor(look.foreColor));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
        paintBorder(p, rect().adjusted(0, 0, -1, -1), isDown());
    }
    CommandButton* b_;
};

QWidget* CommandButton::makeWidget(QWidget* parent)
{
    auto* b = new ButtonWidget(this, parent);
    QObject::connect(b, &QPushButton::clicked, b, [this, b] {
        if (widget_ == b) raiseClick();
    });
    return b;
}

void CommandButton::applyAll()
{
    Control::applyAll();
    auto* b = static_cast<QPushButton*>(widget_);
    b->setFocusPolicy(cp_.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    b->setText(p_.caption);
    b->setFont(lookFont(look_));
    b->update();
}

void CommandButton::setCaption(const QString& c)
{
    if (c == p_.caption) return;
    p_.caption = c;
    if (widget_) applyAll();
}
void CommandButton::setStyle(int s)
{
    if (s == p_.style) return;
    p_.style = s;
    if (widget_) widget_->update();
}
void CommandButton::setPicture(const Picture& pic)
{
    const bool same = pic.sameImage(p_.picture);
    p_.picture = pic;
    if (widget_ && !same) widget_->update();
}
void CommandButton::setValue(bool pressed)
{
    if (pressed) raiseClick();
}

void CommandButton::lookChanged()
{
    if (widget_) applyAll();
}

void CommandButton::resetProps()
{
    Control::resetProps();
    p_ = Props{};
    resetLook();
}
void CommandButton::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const CommandButton*>(&other)) p_ = o->p_, look_ = o->look_;
}

// Frame --------------------------------------------------------------------------------------

class FrameWidget final : public QWidget {
public:
    FrameWidget(Frame* f, QWidget* parent)
        : QWidget(parent)
        , f_(f)
    {}
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const auto& pr = f_->p_;
        const TextLook& look = f_->look_;
        p.fillRect(rect(), toQColor(look.backColor));
        QFont font = lookFont(look);
        QFontMetrics fm(font);
        const int top = fm.height() / 2;
        if (pr.borderStyle != 0) {
            QRect r = rect().adjusted(0, top, -2, -2);
            p.setPen(QColor(128, 128, 128));
            p.drawRect(r);
            p.setPen(QColor(255, 255, 255));
            p.drawRect(r.translated(1, 1));
        }
        const QString caption = stripMnemonic(pr.caption);
        if (!caption.isEmpty()) {
            QRect tr(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
            p.fillRect(tr, toQColor(look.backColor));
            p.setFont(font);
            p.setPen(toQColor(look.foreColor));
            p.drawText(tr, Qt::AlignCenter, caption);
        }
    }
    Frame* f_;
};

QWidget* Frame::makeWidget(QWidget* parent)
{
    return new FrameWidget(this, parent);
}
void Frame::applyAll()
{
    Control::applyAll();
    widget_->update();
}
void Frame::setCaption(const QString& c)
{
    if (c == p_.caption) return;
    p_.caption = c;
    if (widget_) widget_->update();
}
void Frame::setBorderStyle(int s)
{
    if (s == p_.borderStyle) return;
    p_.borderStyle = s;
    if (widget_) widget_->update();
}

void Frame::lookChanged()
{
    if (widget_) widget_->update();
}

void Frame::resetProps()
{
    Control::resetProps();
    p_ = Props{};
    resetLook();
}
void Frame::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const Frame*>(&other)) p_ = o->p_, look_ = o->look_;
}

// CheckBox -----------------------------------------------------------------------------------

// The whole control answers a click, not just its box and caption.
class CheckWidget final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QWidget* CheckBox::makeWidget(QWidget* parent)
{
    auto* c = new CheckWidget(parent);
    c->setTristate(true);
    QObject::connect(c, &QCheckBox::stateChanged, c, [this, c](int state) {
        if (widget_ != c || writing_) return;
        // A click cycles between checked and unchecked only.
        int v = state == Qt::Checked ? 1 : 0;
        if (state == Qt::PartiallyChecked) {
            v = 1;
            writing_ = true;
            c->setCheckState(Qt::Checked);
            writing_ = false;
        }
        p_.value = v;
        raiseClick();
    });
    return c;
}

void CheckBox::applyAll()
{
    Control::applyAll();
    auto* c = static_cast<QCheckBox*>(widget_);
    c->setFocusPolicy(cp_.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    c->setText(p_.caption);
    c->setFont(lookFont(look_));
    writing_ = true;
    c->setCheckState(p_.value == 1 ? Qt::Checked : p_.value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    writing_ = false;
}

void CheckBox::setCaption(const QString& c)
{
    p_.caption = c;
    if (widget_) applyAll();
}
void CheckBox::setValue(int v)
{
    if (v == p_.value || v < 0 || v > 2) return;
    p_.value = v;
    if (widget_) applyAll();
    raiseClick();
}

void CheckBox::lookChanged()
{
    if (widget_) applyAll();
}

void CheckBox::resetProps()
{
    Control::resetProps();
    p_ = Props{};
    resetLook();
}
void CheckBox::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const CheckBox*>(&other)) p_ = o->p_, look_ = o->look_;
}

// Shape --------------------------------------------------------------------------------------

class ShapeWidget final : public QWidget {
public:
    ShapeWidget(Shape* s, QWidget* parent)
        : QWidget(parent)
        , s_(s)
    {}
    void paintEvent(QPaintEvent*) override
    {
        const auto& pr = s_->p_;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, pr.shape >= vbShapeOval);
        const int bw = std::max(1, pr.borderWidth);
        QPen pen(toQColor(pr.borderColor), bw, bw > 1 ? Qt::SolidLine : penStyle(pr.borderStyle));
        if (pr.borderStyle == vbBSTransparent) pen = Qt::NoPen;
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        QBrush brush = Qt::NoBrush;
        if (pr.fillStyle == vbFSSolid)
            brush = toQColor(pr.fillColor);
        else if (pr.backStyle == vbOpaque)
            brush = toQColor(pr.backColor);
        p.setBrush(brush);
        QRectF r = QRectF(rect()).adjusted(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
        if (pr.shape == vbShapeSquare || pr.shape == vbShapeCircle || pr.shape == vbShapeRoundedSquare) {
            const qreal side = std::min(r.width(), r.height());
            r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        }
        switch (pr.shape) {
        case vbShapeOval:
        case vbShapeCircle:
            p.drawEllipse(r);
            break;
        case vbShapeRoundedRectangle:
        case vbShapeRoundedSquare:
            p.drawRoundedRect(r, 15, 15, Qt::RelativeSize);
            break;
        default:
            p.drawRect(r);
        }
    }
    Shape* s_;
};

QWidget* Shape::makeWidget(QWidget* parent)
{
    return new ShapeWidget(this, parent);
}
void Shape::applyAll()
{
    Control::applyAll();
    widget_->update();
}
// A value it already has changes nothing and repaints nothing.
#define SHAPE_PROP(Name, field, Type)                                                                        \
    void Shape::set##Name(Type v)                                                                            \
    {                                                                                                        \
        if (p_.field == v) return;                                                                           \
        p_.field = v;                                                                                        \
        if (widget_) widget_->update();                                                                      \
    }
SHAPE_PROP(Shape, shape, int)
SHAPE_PROP(BorderColor, borderColor, long)
SHAPE_PROP(BorderWidth, borderWidth, int)
SHAPE_PROP(BorderStyle, borderStyle, int)
SHAPE_PROP(FillStyle, fillStyle, int)
SHAPE_PROP(FillColor, fillColor, long)
SHAPE_PROP(BackStyle, backStyle, int)
SHAPE_PROP(BackColor, backColor, long)

void Shape::resetProps()
{
    Control::resetProps();
    p_ = Props{};
}
void Shape::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const Shape*>(&other)) p_ = o->p_;
}

// Line ---------------------------------------------------------------------------------------

class LineWidget final : public QWidget {
public:
    LineWidget(Line* l, QWidget* parent)
        : QWidget(parent)
        , l_(l)
    {}
    void paintEvent(QPaintEvent*) override
    {
        const auto& pr = l_->p_;
        if (pr.borderStyle == vbBSTransparent) return;
        QPainter p(this);
        const int bw = std::max(1, pr.borderWidth);
        p.setPen(QPen(toQColor(pr.borderColor), bw, bw > 1 ? Qt::SolidLine : penStyle(pr.borderStyle)));
        const QPoint origin = geometry().topLeft();
        const QPoint parentOrigin = l_->container() ? l_->container()->clientOriginPx() : QPoint();
        auto at = [&](double x, double y) {
            return QPointF(toPixelsX(x) + parentOrigin.x() - origin.x(),
                           toPixelsY(y) + parentOrigin.y() - origin.y());
        };
        p.drawLine(at(pr.x1, pr.y1), at(pr.x2, pr.y2));
    }
    Line* l_;
};

QRect Line::pixelRect() const
{
    const int pad = std::max(1, p_.borderWidth) / 2 + 1;
    QRect r = QRect(QPoint(toPixelsX(std::min(p_.x1, p_.x2)), toPixelsY(std::min(p_.y1, p_.y2))),
                    QPoint(toPixelsX(std::max(p_.x1, p_.x2)), toPixelsY(std::max(p_.y1, p_.y2))));
    return r.adjusted(-pad, -pad, pad, pad);
}

void Line::relayout()
{
    cp_.left = std::min(p_.x1, p_.x2);
    cp_.top = std::min(p_.y1, p_.y2);
    cp_.width = std::abs(p_.x2 - p_.x1);
    cp_.height = std::abs(p_.y2 - p_.y1);
    const QRect before = widget_ ? widget_->geometry() : QRect();
    applyGeometry();
    // A line whose box moved is repainted where the box was and where it is by the move itself;
    // one whose box stayed (its ends swapped corners) is repainted in place.
    if (widget_ && widget_->geometry() == before) widget_->update();
}

QWidget* Line::makeWidget(QWidget* parent)
{
    return new LineWidget(this, parent);
}
void Line::applyAll()
{
    Control::applyAll();
    widget_->update();
}
void Line::setX1(double v)
{
    setPoints(v, p_.y1, p_.x2, p_.y2);
}
void Line::setY1(double v)
{
    setPoints(p_.x1, v, p_.x2, p_.y2);
}
void Line::setX2(double v)
{
    setPoints(p_.x1, p_.y1, v, p_.y2);
}
void Line::setY2(double v)
{
    setPoints(p_.x1, p_.y1, p_.x2, v);
}
void Line::setPoints(double x1, double y1, double x2, double y2)
{
    if (x1 == p_.x1 && y1 == p_.y1 && x2 == p_.x2 && y2 == p_.y2) return;
    p_.x1 = x1;
    p_.y1 = y1;
    p_.x2 = x2;
    p_.y2 = y2;
    relayout();
}
void Line::setBorderColor(long c)
{
    if (c == p_.borderColor) return;
    p_.borderColor = c;
    if (widget_) widget_->update();
}
void Line::setBorderWidth(int w)
{
    if (w == p_.borderWidth) return;
    p_.borderWidth = w;
    relayout();
}
void Line::setBorderStyle(int s)
{
    if (s == p_.borderStyle) return;
    p_.borderStyle = s;
    if (widget_) widget_->update();
}

void Line::resetProps()
{
    Control::resetProps();
    p_ = Props{};
}
void Line::copyPropsFrom(const Control& other)
{
    Control::copyPropsFrom(other);
    if (auto* o = dynamic_cast<const Line*>(&other)) p_ = o->p_;
}

} // namespace platform
