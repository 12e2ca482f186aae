#include "monkey/monkey_answers.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "game/game_file.h"
#include "platform/color_chooser.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "settings/position_file.h"

namespace {
namespace fs = std::filesystem;

// Nested dialogs deeper than this are cancelled, as a user gives up.
constexpr int kDeepest = 3;
// A dialog still open after this many presses is left with Esc.
constexpr int kPresses = 4;

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

template <typename T>
std::vector<T*> Controls(QDialog& dialog) {
    std::vector<T*> found;
    for (T* control : dialog.findChildren<T*>())
        if (control->isVisibleTo(&dialog) && control->isEnabled()) found.push_back(control);
    return found;
}
}  // namespace

MonkeyAnswers::MonkeyAnswers(Chance& chance, History& history, const std::string& folder, const std::string& good)
    : chance_(chance), history_(history), folder_(folder) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    const Bytes bytes = ReadFileBytes(good, POS_FILE_SIZE).value_or(Bytes{});
    Bytes shortened(bytes.begin(), bytes.begin() + chance_.Below(static_cast<int>(bytes.size()) + 1));
    Bytes flipped = bytes;
    for (int i = 0; i < 3 && !flipped.empty(); ++i)
        flipped[static_cast<std::size_t>(chance_.Below(static_cast<int>(flipped.size())))] ^=
            static_cast<unsigned char>(1 << chance_.Below(8));
    Bytes noise(static_cast<std::size_t>(chance_.Below(600)));
    for (unsigned char& b : noise) b = static_cast<unsigned char>(chance_.Below(256));
    const std::pair<const char*, const Bytes*> files[] = {
        {"good.pos", &bytes}, {"short.pos", &shortened}, {"flipped.pos", &flipped}, {"noise.pos", &noise}};
    for (auto [name, content] : files) {
        WriteBytes(folder_ + "/" + name, *content);
        openable_.push_back(folder_ + "/" + name);
    }
    fs::create_directory(folder_ + "/folder.pos");
    ::mkfifo((folder_ + "/fifo.pos").c_str(), 0600);
    { std::ofstream huge(folder_ + "/huge.pos"); }
    fs::resize_file(folder_ + "/huge.pos", 64 << 20);
    for (const char* name : {"folder.pos", "fifo.pos", "huge.pos", "missing.pos"})
        openable_.push_back(folder_ + "/" + name);

    SetMessageBoxHook([this](const std::string& text, int buttons, int) {
        const int answer = AnswerBox(buttons);
        history_.Note("box \"" + text.substr(0, 60) + "\" -> " + std::to_string(answer));
        return answer;
    });
    SetModalHook([this](QDialog& dialog) { return AnswerDialog(dialog); });
    SetColorChooserHook([this](COLORREF) -> std::optional<COLORREF> {
        if (chance_.OneIn(3)) return std::nullopt;
        return static_cast<COLORREF>(chance_.Below(1 << 24));
    });
    SetFileDialogHook([this](const FileDialogSpec& spec) -> std::optional<std::string> {
        if (chance_.OneIn(6)) return std::nullopt;
        std::string path = spec.kind == FileDialogKind::Open ? ChooseOpen() : ChooseSave(spec.defaultExtension);
        history_.Note(std::string(spec.kind == FileDialogKind::Open ? "open " : "save ") + path);
        return path;
    });
}

MonkeyAnswers::~MonkeyAnswers() {
    SetFileDialogHook({});
    SetColorChooserHook({});
    SetModalHook({});
    SetMessageBoxHook({});
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

std::string MonkeyAnswers::BrokenSavedFile(const Game& game) {
    for (const std::string& path : std::exchange(newSaves_, {})) {
        std::error_code ec;
        if (!fs::exists(path, ec)) continue;
        if (ReadPositionFile(path, CapturePositionFile(game)).status != PosFileStatus::Ok)
            return path + " was saved but cannot be opened";
        openable_.push_back(path);
    }
    return {};
}

int MonkeyAnswers::AnswerBox(int buttons) {
    switch (buttons) {
        case MB_OKCANCEL:
            return chance_.OneIn(2) ? IDOK : IDCANCEL;
        case MB_YESNOCANCEL:
            return chance_.Pick(std::vector<int>{IDYES, IDNO, IDCANCEL});
        case MB_YESNO:
            return chance_.OneIn(2) ? IDYES : IDNO;
        default:
            return IDOK;
    }
}

int MonkeyAnswers::AnswerDialog(QDialog& dialog) {
    const std::string name = dialog.metaObject()->className();
    if (depth_ >= kDeepest) {
        history_.Note("dialog " + name + ": too deep, cancelled");
        return QDialog::Rejected;
    }
    ++depth_;
    history_.Note("dialog " + name);
    bool done = false;
    const QMetaObject::Connection watch = QObject::connect(&dialog, &QDialog::finished, [&done] { done = true; });
    for (int press = 0; press < kPresses && !done; ++press) {
        Fiddle(dialog);
        const std::vector<QPushButton*> buttons = Controls<QPushButton>(dialog);
        if (buttons.empty() || chance_.OneIn(6)) break;
        QPushButton* button = chance_.Pick(buttons);
        history_.Note("  press \"" + button->text().toStdString() + "\"");
        button->click();
    }
    QObject::disconnect(watch);
    if (!done) {
        history_.Note("  Esc");
        dialog.reject();
    }
    --depth_;
    return dialog.result();
}

// A few controls changed, each as a user would change it.
void MonkeyAnswers::Fiddle(QDialog& dialog) {
    for (QTabWidget* tabs : Controls<QTabWidget>(dialog))
        if (chance_.OneIn(3)) tabs->setCurrentIndex(chance_.Below(tabs->count()));
    for (QCheckBox* box : Controls<QCheckBox>(dialog))
        if (chance_.OneIn(4)) box->click();
    for (QRadioButton* radio : Controls<QRadioButton>(dialog))
        if (chance_.OneIn(4)) radio->click();
    for (QComboBox* combo : Controls<QComboBox>(dialog))
        if (chance_.OneIn(3) && combo->count() > 0) combo->setCurrentIndex(chance_.Below(combo->count()));
    for (QSpinBox* spin : Controls<QSpinBox>(dialog))
        if (chance_.OneIn(3)) spin->setValue(chance_.Between(spin->minimum(), spin->maximum()));
    for (QLineEdit* edit : Controls<QLineEdit>(dialog)) {
        if (!chance_.OneIn(2)) continue;
        const std::string text = TypedText();
        history_.Note("  type \"" + text + "\"");
        edit->selectAll();
        edit->del();
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
}

std::string MonkeyAnswers::TypedText() {
    switch (chance_.Below(6)) {
        case 0:
            return "";
        case 1:
            return std::to_string(chance_.Between(-2, 8));
        case 2:
            return std::to_string(chance_.Between(0, 100));
        case 3:
            return "99999999999";
        case 4:
            return "x7-";
        default:
            return std::to_string(chance_.Between(1, 6));
    }
}

std::string MonkeyAnswers::ChooseOpen() { return chance_.Pick(openable_); }

std::string MonkeyAnswers::ChooseSave(const std::string& extension) {
    // Exported games are no position files: they go where none is checked or opened.
    if (extension != "pos") return folder_ + "/exported-" + std::to_string(++saves_) + "." + extension;
    switch (chance_.Below(5)) {
        case 0:
            return folder_ + "/folder.pos";
        case 1:
            return folder_ + "/no-such-folder/saved.pos";
        case 2:
            return chance_.Pick(openable_);
        default: {
            std::string path = folder_ + "/saved-" + std::to_string(++saves_) + ".pos";
            newSaves_.push_back(path);
            return path;
        }
    }
}
