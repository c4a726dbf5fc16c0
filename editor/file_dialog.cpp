// The file dialog tries, in order: the desktop's file-chooser portal, a dialog program (zenity
// or kdialog), and a path field drawn over the window. Each way that turns out not to work
// hands over to the next without the caller noticing; every answer arrives through idle().
#include "editor/file_dialog.h"

#include <algorithm>
#include <cstdint>

#include "editor/toolkit/cframe.h"
#include "platform/desktop.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace tarlix {

namespace {

// '/' separators; the extension appended when the file name (not the folder) has no dot.
std::string withExtension(std::string path, const std::string& extension) {
    std::replace(path.begin(), path.end(), '\\', '/');
    const size_t nameStart = path.find_last_of('/') + 1; // 0 when there is no folder
    if (path.find('.', nameStart) == std::string::npos) path += extension;
    return path;
}

bool isAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
           (path.size() > 1 && path[1] == ':'); // a drive letter
}

bool fileExists(const std::string& path) {
    uint8_t probe;
    return platform::readFileHead(path, &probe, sizeof probe) >= 0;
}

// Appends a code point as UTF-8; paths may hold any character.
void appendUtf8(std::string& s, uint32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where the character after the one starting at `at` starts (the end at most).
size_t nextStart(const std::string& s, size_t at) {
    at = std::min(at + 1, s.size());
    while (at < s.size() && isContinuation(s[at]))
        ++at;
    return at;
}

// What the path field leaves for idle().
struct FieldAnswer {
    bool done = false;
    bool confirmed = false;
    std::string path;
};

// The path field: a small panel over the dimmed window with the dialog's title, a text field
// that starts with the folder, and OK and Cancel. Return confirms, Escape cancels; it takes
// all input while it is open (it is the frame's modal view).
class PathFieldPanel : public tk::CView {
  public:
    static constexpr int kWidth = 480, kHeight = 132, kMargin = 16;
    static constexpr int kButtonWidth = 76, kButtonHeight = 24;
    static constexpr size_t kMaxPathBytes = 1024;

    // `resolve` turns the typed text into the path; `check` returns a complaint, or empty.
    PathFieldPanel(tk::CFrame* frame, std::string title, std::string text,
                   std::shared_ptr<FieldAnswer> answer,
                   std::function<std::string(const std::string&)> resolve,
                   std::function<std::string(const std::string&)> check)
        : CView(frame->getViewSize()), frame_(frame), title_(std::move(title)),
          text_(std::move(text)), answer_(std::move(answer)), resolve_(std::move(resolve)),
          check_(std::move(check)) {
        const tk::CRect& all = frame->getViewSize();
        box_ = tk::CRect::fromSize((all.width() - kWidth) / 2, (all.height() - kHeight) / 2, kWidth,
                                   kHeight);
        caret_ = text_.size();
    }
    ~PathFieldPanel() override {
        if (!answer_->done) answer_->done = true; // replaced by another modal view: cancelled
    }

    void draw(tk::CDrawContext& c, const tk::CRect&) override {
        c.fillRect(getViewSize(), tk::CColor{0, 0, 0, 110}); // the window behind, dimmed
        c.fillRoundRect(box_, 6.0, tk::CColor{40, 42, 47, 250});
        c.frameRect(box_, tk::CColor{150, 150, 150, 255});
        c.drawText(title_, titleRect(), kTitleFont, tk::CColor{235, 235, 235, 255},
                   tk::TextAlign::Left);
        const tk::CRect field = fieldRect();
        c.fillRect(field, tk::CColor{250, 250, 250, 255});
        c.frameRect(field, tk::CColor{70, 110, 160, 255});
        // The end of a long path stays in sight: its start is cut off.
        const tk::CRect inner{field.left + 4, field.top, field.right - 4, field.bottom};
        size_t first = 0;
        while (first < caret_ &&
               c.textWidth(text_.substr(first, caret_ - first), kFont) > inner.width() - 2)
            first = nextStart(text_, first);
        c.drawText(text_.substr(first), inner, kFont, tk::CColor{10, 10, 10, 255},
                   tk::TextAlign::Left);
        const int x =
            inner.left + static_cast<int>(c.textWidth(text_.substr(first, caret_ - first), kFont));
        c.drawLine({x, field.top + 4}, {x, field.bottom - 5}, tk::CColor{10, 10, 10, 255});
        if (!complaint_.empty())
            c.drawText(complaint_, messageRect(), kFont, tk::CColor{240, 120, 100, 255},
                       tk::TextAlign::Left);
        drawButton(c, okRect(), "OK");
        drawButton(c, cancelRect(), "Cancel");
    }

    bool onMouseDown(tk::CPoint p, int buttons) override {
        if (!(buttons & tk::kLButton)) return true;
        if (okRect().contains(p))
            confirm();
        else if (cancelRect().contains(p))
            close(false);
        return true; // outside the panel: nothing, the panel stays
    }

    bool onKeyDown(const tk::CKeyEvent& key) override {
        switch (key.key) {
        case tk::Key::Return:
            confirm();
            return true;
        case tk::Key::Escape:
            close(false);
            return true;
        case tk::Key::Back:
            if (caret_ > 0) {
                size_t from = caret_ - 1;
                while (from > 0 && isContinuation(text_[from]))
                    --from;
                text_.erase(from, caret_ - from);
                caret_ = from;
            }
            break;
        case tk::Key::Delete:
            if (caret_ < text_.size()) text_.erase(caret_, nextBoundary() - caret_);
            break;
        case tk::Key::Left:
            while (caret_ > 0 && isContinuation(text_[--caret_])) {
            }
            break;
        case tk::Key::Right:
            caret_ = nextBoundary();
            break;
        case tk::Key::Home:
            caret_ = 0;
            break;
        case tk::Key::End:
            caret_ = text_.size();
            break;
        case tk::Key::Character:
            if (key.character >= 32 && key.character != 127 && text_.size() < kMaxPathBytes) {
                std::string bytes;
                appendUtf8(bytes, key.character);
                text_.insert(caret_, bytes);
                caret_ += bytes.size();
            }
            break;
        default:
            return true; // an open panel takes every key
        }
        complaint_.clear();
        frame_->invalidRect(box_);
        return true;
    }

    const tk::CRect& box() const { return box_; }

  private:
    static constexpr tk::CFontDesc kFont{tk::FontWeight::Regular, 13.0};
    static constexpr tk::CFontDesc kTitleFont{tk::FontWeight::Bold, 14.0};

    tk::CRect titleRect() const {
        return {box_.left + kMargin, box_.top + 8, box_.right - kMargin, box_.top + 32};
    }
    tk::CRect fieldRect() const {
        return {box_.left + kMargin, box_.top + 36, box_.right - kMargin, box_.top + 62};
    }
    tk::CRect messageRect() const {
        return {box_.left + kMargin, box_.top + 64, box_.right - kMargin, box_.top + 86};
    }
    tk::CRect cancelRect() const {
        return tk::CRect::fromSize(box_.right - kMargin - kButtonWidth,
                                   box_.bottom - 10 - kButtonHeight, kButtonWidth, kButtonHeight);
    }
    tk::CRect okRect() const {
        tk::CRect r = cancelRect();
        return r.offset(-(kButtonWidth + 10), 0);
    }
    void drawButton(tk::CDrawContext& c, const tk::CRect& r, const char* label) {
        c.fillRoundRect(r, 4.0, tk::CColor{70, 74, 82, 255});
        c.frameRect(r, tk::CColor{160, 160, 160, 255});
        c.drawText(label, r, kFont, tk::CColor{235, 235, 235, 255});
    }
    size_t nextBoundary() const { return nextStart(text_, caret_); }
    void confirm() {
        std::string path = resolve_(text_);
        complaint_ = check_(path);
        if (!complaint_.empty()) {
            frame_->invalidRect(box_);
            return;
        }
        answer_->path = path;
        close(true);
    }
    void close(bool confirmed) {
        answer_->confirmed = confirmed;
        answer_->done = true;
        frame_->closeModalView(); // kept alive by the frame until its next idle
    }

    tk::CFrame* frame_;
    std::string title_, text_, complaint_;
    std::shared_ptr<FieldAnswer> answer_;
    std::function<std::string(const std::string&)> resolve_, check_;
    tk::CRect box_;
    size_t caret_ = 0;
};

} // namespace

struct FileDialog::Impl {
    // The ways of asking, in the order they are tried.
    enum class Way { None, Portal, Program, Field };

    tk::CFrame* frame = nullptr;
    Way way = Way::None;
    FileDialogRequest request;
    std::function<void(const std::string&)> chosen;
    std::unique_ptr<platform::FileChooser> chooser;
    std::shared_ptr<FieldAnswer> field;
    const tk::CView* fieldView = nullptr;

    platform::FileChooserRequest chooserRequest() const {
        platform::FileChooserRequest r;
        r.save = request.save;
        r.title = request.title;
        r.folder = request.folder;
        r.typeText = request.typeText;
        r.pattern = request.extension.empty() ? std::string() : "*" + request.extension;
        if (frame && frame->window()) r.parentWindow = frame->window()->nativeHandle();
        return r;
    }

    // Starts the first way, from `first` on, that can be started.
    bool startFrom(Way first) {
        const platform::FileChooserRequest r = chooserRequest();
        if (first <= Way::Portal && (chooser = platform::startPortalChooser(r))) {
            way = Way::Portal;
            return true;
        }
        if (first <= Way::Program && (chooser = platform::startDialogProgram(r))) {
            way = Way::Program;
            return true;
        }
        if (frame) {
            showField();
            way = Way::Field;
            return true;
        }
        way = Way::None;
        return false;
    }

    void showField() {
        field = std::make_shared<FieldAnswer>();
        const std::string folder = request.folder;
        const std::string extension = request.extension;
        auto resolve = [folder, extension](const std::string& typed) {
            return withExtension(isAbsolute(typed) ? typed : folder + typed, extension);
        };
        const bool mustExist = !request.save;
        auto check = [mustExist](const std::string& path) -> std::string {
            if (path.empty() || path.back() == '/') return "Type a file name.";
            if (mustExist && !fileExists(path)) return "There is no such file.";
            return {};
        };
        auto panel = std::make_unique<PathFieldPanel>(frame, request.title, request.folder, field,
                                                      resolve, check);
        fieldView = panel.get();
        frame->setModalView(std::move(panel));
    }

    void idle() {
        if (way == Way::Portal || way == Way::Program) {
            switch (chooser->poll()) {
            case platform::FileChooser::State::Running:
                return;
            case platform::FileChooser::State::Chosen:
                deliver(withExtension(chooser->path(), request.extension));
                return;
            case platform::FileChooser::State::Cancelled:
                deliver({});
                return;
            case platform::FileChooser::State::Failed:
                chooser.reset();
                if (!startFrom(way == Way::Portal ? Way::Program : Way::Field)) deliver({});
                return;
            }
        }
        if (way == Way::Field && field->done) deliver(field->confirmed ? field->path : "");
    }

    // Ends the dialog, then hands a chosen path to the caller (who may open the next one).
    void deliver(const std::string& path) {
        end();
        auto callback = std::move(chosen);
        chosen = nullptr;
        if (!path.empty() && callback) callback(path);
    }

    void end() {
        if (chooser) chooser->cancel();
        chooser.reset();
        if (way == Way::Field && frame && frame->modalView() == fieldView) frame->closeModalView();
        field.reset();
        fieldView = nullptr;
        way = Way::None;
    }
};

FileDialog::FileDialog(tk::CFrame* frame) : impl_(std::make_unique<Impl>()) {
    impl_->frame = frame;
}

FileDialog::~FileDialog() {
    cancel();
}

bool FileDialog::busy() const {
    return impl_->way != Impl::Way::None;
}

bool FileDialog::open(const FileDialogRequest& request,
                      std::function<void(const std::string&)> chosen) {
    if (busy()) return false;
    impl_->request = request;
    impl_->chosen = std::move(chosen);
    if (impl_->startFrom(Impl::Way::Portal)) return true;
    impl_->chosen = nullptr;
    return false;
}

void FileDialog::idle() {
    impl_->idle();
}

void FileDialog::cancel() {
    impl_->end();
    impl_->chosen = nullptr;
}

int FileDialog::waitHandle() const {
    return impl_->chooser ? impl_->chooser->waitHandle() : -1;
}

bool FileDialog::showingPathField() const {
    return impl_->way == Impl::Way::Field;
}

} // namespace tarlix
