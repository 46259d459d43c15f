#include "steam_libraries.h"

#include <QByteArray>

namespace vornelle {

namespace {

// The tokens of a KeyValues text, one at a time.
class Tokens {
  public:
    enum class Kind { Text, Open, Close };
    struct Token {
        Kind kind;
        QByteArray text;
    };

    explicit Tokens(QByteArrayView text) : text_(text) {}

    // The next token; none at the end of the text, or at a string left open (broken()).
    std::optional<Token> next() {
        skipBlanksAndComments();
        if (at_ == text_.size())
            return std::nullopt;
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return Token{c == '{' ? Kind::Open : Kind::Close, {}};
        }
        return c == '"' ? quoted() : bare();
    }

    bool broken() const { return broken_; }

  private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    void skipBlanksAndComments() {
        while (at_ < text_.size()) {
            if (isBlank(text_[at_])) {
                ++at_;
            } else if (text_.sliced(at_).startsWith("//")) {
                const qsizetype end = text_.indexOf('\n', at_);
                at_ = end < 0 ? text_.size() : end;
            } else {
                return;
            }
        }
    }

    std::optional<Token> quoted() {
        QByteArray value;
        for (++at_; at_ < text_.size(); ++at_) {
            char c = text_[at_];
            if (c == '"') {
                ++at_;
                return Token{Kind::Text, value};
            }
            if (c == '\\' && at_ + 1 < text_.size()) {
                c = text_[++at_];
                c = c == 'n' ? '\n' : c == 't' ? '\t' : c;
            }
            value.append(c);
        }
        broken_ = true;
        return std::nullopt;
    }

    Token bare() {
        const qsizetype start = at_;
        while (at_ < text_.size() && !isBlank(text_[at_]) && text_[at_] != '"' &&
               text_[at_] != '{' && text_[at_] != '}')
            ++at_;
        return Token{Kind::Text, text_.sliced(start, at_ - start).toByteArray()};
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
    bool broken_ = false;
};

} // namespace

std::optional<QStringList> libraryFolderPaths(QByteArrayView text) {
    using Kind = Tokens::Kind;
    Tokens tokens(text.startsWith("\xEF\xBB\xBF") ? text.sliced(3) : text);
    QStringList paths;
    int depth = 0;
    while (const auto key = tokens.next()) {
        if (key->kind == Kind::Close && depth-- == 0)
            return std::nullopt;
        if (key->kind == Kind::Close)
            continue;
        const auto value = tokens.next();
        if (key->kind == Kind::Open || !value || value->kind == Kind::Close)
            return std::nullopt;
        if (value->kind == Kind::Open)
            ++depth;
        else if (key->text.compare("path", Qt::CaseInsensitive) == 0)
            paths.append(QString::fromUtf8(value->text));
    }
    if (tokens.broken() || depth != 0)
        return std::nullopt;
    return paths;
}

} // namespace vornelle
