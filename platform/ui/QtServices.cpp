// The services as the program shows them: Qt's message box, choosers and the
// desktop's default program.
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <memory>

#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace ui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

QString QtFilter(const std::string& filter) {
    QStringList entries;
    for (const auto& [text, patterns] : ParseFileFilter(filter))
        entries << Q(text) + " (" + Q(patterns).replace(';', ' ') + ")";
    return entries.join(";;");
}

class QtServices : public Services {
public:
    int MessageBox(const MessageBoxRequest& r) override {
        QMessageBox box;
        box.setWindowTitle(Q(r.caption));
        box.setText(Q(r.text));
        switch (r.type & MB_ICONMASK) {
        case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
        case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
        case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        std::vector<std::pair<QPushButton*, int>> buttons;
        auto add = [&](const char* label, QMessageBox::ButtonRole role, int result) {
            buttons.emplace_back(box.addButton(QString::fromUtf8(label), role), result);
        };
        switch (r.type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            add("确定", QMessageBox::AcceptRole, IDOK);
            add("取消", QMessageBox::RejectRole, IDCANCEL);
            break;
        case MB_YESNO:
            add("是(&Y)", QMessageBox::YesRole, IDYES);
            add("否(&N)", QMessageBox::NoRole, IDNO);
            break;
        case MB_YESNOCANCEL:
            add("是(&Y)", QMessageBox::YesRole, IDYES);
            add("否(&N)", QMessageBox::NoRole, IDNO);
            add("取消", QMessageBox::RejectRole, IDCANCEL);
            break;
        default: add("确定", QMessageBox::AcceptRole, IDOK);
        }
        const size_t defaultIndex = (r.type & MB_DEFBUTTON2) && buttons.size() > 1 ? 1 : 0;
        box.setDefaultButton(buttons[defaultIndex].first);
        box.exec();
        for (const auto& [button, result] : buttons)
            if (box.clickedButton() == button) return result;
        // Closed without a button: Cancel when there is one, else the only answer.
        return (r.type & MB_TYPEMASK) == MB_YESNO ? IDNO : buttons.back().second;
    }

    int RunModal(Dialog& dialog) override {
        auto* window = qobject_cast<QDialog*>(dialog.GetWidget());
        if (!window) return IDCANCEL;
        window->exec();
        return dialog.Result();
    }

    bool ChooseFile(const FileRequest& r, std::vector<std::string>& paths) override {
        QFileDialog chooser(nullptr, Q(r.title));
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        chooser.setAcceptMode(r.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        chooser.setFileMode(r.open ? ((r.flags & OFN_ALLOWMULTISELECT) ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile)
                                   : QFileDialog::AnyFile);
        if (!(r.flags & OFN_OVERWRITEPROMPT)) chooser.setOption(QFileDialog::DontConfirmOverwrite);
        if (!r.filter.empty()) chooser.setNameFilter(QtFilter(r.filter));
        if (!r.defaultExt.empty()) chooser.setDefaultSuffix(Q(r.defaultExt));
        chooser.setDirectory(r.initialFolder.empty() ? StartFolder() : Q(r.initialFolder));
        if (!r.defaultName.empty()) chooser.selectFile(Q(r.defaultName));
        if (chooser.exec() != QDialog::Accepted) return false;
        for (const QString& f : chooser.selectedFiles()) paths.push_back(f.toStdString());
        if (!paths.empty()) lastFolder_ = QFileInfo(Q(paths.front())).absolutePath();
        return !paths.empty();
    }

    bool ChooseFolder(const FolderRequest& r, std::string& folder) override {
        const QString chosen =
            QFileDialog::getExistingDirectory(nullptr, Q(r.title), r.root.empty() ? StartFolder() : Q(r.root),
                                              QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
        if (chosen.isEmpty()) return false;
        lastFolder_ = chosen;
        folder = chosen.toStdString();
        return true;
    }

    bool ChooseColor(COLORREF initial, COLORREF& chosen) override {
        const QColor c = QColorDialog::getColor(QColor(GetRValue(initial), GetGValue(initial), GetBValue(initial)));
        if (!c.isValid()) return false;
        chosen = RGB(c.red(), c.green(), c.blue());
        return true;
    }

    bool ChooseFont(FontSpec& font) override {
        QFont initial(Q(font.face), font.pointSize);
        initial.setBold(font.bold);
        initial.setItalic(font.italic);
        initial.setUnderline(font.underline);
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, initial);
        if (!ok) return false;
        font.face = f.family().toStdString();
        font.pointSize = f.pointSize();
        font.bold = f.bold();
        font.italic = f.italic();
        font.underline = f.underline();
        return true;
    }

    bool ShellOpen(const std::string& target, const std::string&) override {
        const QString t = Q(target);
        if (t.contains("://") || t.startsWith("mailto:")) return QDesktopServices::openUrl(QUrl(t));
        // A file or folder goes to the desktop's opener, whose failure (no
        // program for the kind of file) shows only when it ends: the user is
        // then told where the file is. An opener that runs the program in
        // its place ends with it, and is left running when we end.
        auto* opener = new QProcess;
        opener->setStandardOutputFile(QProcess::nullDevice());
        opener->setStandardErrorFile(QProcess::nullDevice());
        QObject::connect(opener, &QProcess::finished, opener, [opener, target](int code, QProcess::ExitStatus status) {
            opener->deleteLater();
            if (status != QProcess::NormalExit || code != 0) TellWhereFileIs(target);
        });
        opener->start(QStringLiteral("xdg-open"), {t});
        if (opener->waitForStarted()) return true;
        delete opener;
        return false;
    }

    void ShowProgress(const ProgressState& state) override {
        if (!state.open) {
            progress_.reset();
            return;
        }
        if (!progress_) {
            EnsureApplication();
            progress_ = std::make_unique<QProgressDialog>();
            progress_->setWindowTitle(Q(state.caption));
            progress_->setCancelButton(nullptr);  // the work has no safe point to stop at but its items' ends
            progress_->setWindowModality(Qt::ApplicationModal);
            progress_->setAutoClose(false);
            progress_->setAutoReset(false);
            progress_->setMinimumDuration(0);
            progress_->setMinimumWidth(360);
        }
        progress_->setRange(0, std::max(state.total, 1));
        progress_->setValue(std::min(state.done, std::max(state.total, 1)));
        progress_->setLabelText(state.item.empty() ? Q(state.caption)
                                                   : Q(state.item + text::Format("（%d/%d）", state.done + 1,
                                                                                 state.total)));
        progress_->show();
    }

private:
    std::unique_ptr<QProgressDialog> progress_;
    // Where a chooser opens when its caller names no folder: where the user
    // last chose, else the home folder (never the program's own folder).
    QString StartFolder() const { return lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_; }

    QString lastFolder_;
};
}  // namespace

Services& QtServicesInstance() {
    static QtServices services;
    return services;
}

}  // namespace ui
