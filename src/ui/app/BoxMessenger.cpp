#include "app/BoxMessenger.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconOf(TMsgKind kind) {
    switch (kind) {
    case TMsgKind::Warning:
        return QMessageBox::Warning;
    case TMsgKind::Question:
        return QMessageBox::Question;
    case TMsgKind::Error:
        return QMessageBox::Critical;
    case TMsgKind::Information:
        break;
    }
    return QMessageBox::Information;
}

struct TBoxButton {
    QMessageBox::StandardButton button;
    const char16_t* caption;
    TMsgResult result;
};

QList<TBoxButton> ButtonsOf(TMsgButtons buttons) {
    const TBoxButton ok{QMessageBox::Ok, u"确定", TMsgResult::Ok};
    const TBoxButton cancel{QMessageBox::Cancel, u"取消", TMsgResult::Cancel};
    const TBoxButton yes{QMessageBox::Yes, u"是(&Y)", TMsgResult::Yes};
    const TBoxButton no{QMessageBox::No, u"否(&N)", TMsgResult::No};
    switch (buttons) {
    case TMsgButtons::OkCancel:
        return {ok, cancel};
    case TMsgButtons::YesNo:
        return {yes, no};
    case TMsgButtons::YesNoCancel:
        return {yes, no, cancel};
    case TMsgButtons::Ok:
        break;
    }
    return {ok};
}

} // namespace

QString TBoxMessenger::DisplayText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    qsizetype begin = 0, end = s.size();
    while (begin < end && (s[begin] == u'\n' || s[begin] == u'\t'))
        ++begin;
    while (end > begin && (s[end - 1] == u'\n' || s[end - 1] == u'\t'))
        --end;
    s = s.mid(begin, end - begin);
    s.replace(QLatin1Char('\t'), QStringLiteral("    "));
    return s;
}

TMsgResult TBoxMessenger::Message(TMsgKind kind, const QString& text, TMsgButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(IconOf(kind));
    box.setWindowTitle(QApplication::applicationDisplayName());
    // Messages carry SQL statements and user input: never read them as rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(DisplayText(text));
    const QList<TBoxButton> list = ButtonsOf(buttons);
    for (const TBoxButton& b : list)
        box.addButton(b.button)->setText(QString::fromUtf16(b.caption));
    box.setDefaultButton(list.first().button);
    if (list.size() > 1)
        box.setEscapeButton(list.last().button);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    for (const TBoxButton& b : list)
        if (clicked == box.button(b.button))
            return b.result;
    return list.size() == 1 ? TMsgResult::Ok : list.last().result;
}

bool TBoxMessenger::InputQuery(const QString& caption, const QString& prompt, QString& value) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}
