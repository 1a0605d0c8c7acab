#include "platform/KeyValues.h"

#include "platform/StringUtil.h"

namespace orvane {
namespace {

struct Token {
  enum Kind { kText, kOpen, kClose, kEnd, kUnterminated } kind = kEnd;
  std::string text;
  int line = 0;
};

class Tokenizer {
 public:
  explicit Tokenizer(std::string_view text) : text_(text) {}

  Token Next() {
    while (true) {
      SkipBlanks();
      if (pos_ >= text_.size()) return {Token::kEnd, "", line_};
      const char c = text_[pos_];
      if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        continue;
      }
      if (c == '{' || c == '}') {
        ++pos_;
        return {c == '{' ? Token::kOpen : Token::kClose, "", line_};
      }
      Token token = c == '"' ? Quoted() : Bare();
      // Platform conditions ("[$WIN32]") after a key or value are not ours to judge.
      if (token.kind == Token::kText && IsCondition(token.text)) continue;
      return token;
    }
  }

 private:
  static bool IsCondition(const std::string& text) {
    return text.size() >= 2 && text.front() == '[' && text.back() == ']';
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= ' ') {
      if (text_[pos_] == '\n') ++line_;
      ++pos_;
    }
  }

  Token Quoted() {
    Token token{Token::kText, "", line_};
    ++pos_;  // the opening quote
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return token;
      if (c == '\n') ++line_;
      if (c == '\\' && pos_ < text_.size()) {
        const char e = text_[pos_];
        if (e == '\\' || e == '"' || e == 'n' || e == 't') {
          token.text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
          ++pos_;
          continue;
        }
      }
      token.text += c;
    }
    token.kind = Token::kUnterminated;
    return token;
  }

  Token Bare() {
    Token token{Token::kText, "", line_};
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (static_cast<unsigned char>(c) <= ' ' || c == '{' || c == '}' || c == '"') break;
      token.text += c;
      ++pos_;
    }
    return token;
  }

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

const KvNode* KvNode::Find(std::string_view child_key) const {
  for (const KvNode& child : children) {
    if (EqualsNoCase(child.key, child_key)) return &child;
  }
  return nullptr;
}

const KvNode* KvNode::Path(std::initializer_list<std::string_view> keys) const {
  const KvNode* node = this;
  for (std::string_view each : keys) {
    node = node->Find(each);
    if (node == nullptr) return nullptr;
  }
  return node;
}

std::string KvNode::ValueOf(std::string_view child_key) const {
  const KvNode* child = Find(child_key);
  return child != nullptr && !child->block ? child->value : std::string();
}

KeyValues ParseKeyValues(std::string_view text) {
  KeyValues result;
  result.root.block = true;
  Tokenizer tokens(text);
  // The open blocks, innermost last. Only the innermost one gains children,
  // so the pointers to its ancestors stay valid.
  std::vector<KvNode*> open = {&result.root};
  auto fail = [&result](int line, std::string problem) {
    result.error_line = line;
    result.error = std::move(problem);
    return result;
  };
  while (true) {
    Token key = tokens.Next();
    switch (key.kind) {
      case Token::kEnd:
        if (open.size() > 1) {
          return fail(open.back()->line,
                      "the block \"" + open.back()->key + "\" is not closed (a } is missing)");
        }
        return result;
      case Token::kUnterminated:
        return fail(key.line, "a quoted text is not closed (a \" is missing)");
      case Token::kClose:
        if (open.size() == 1) return fail(key.line, "a } closes no block");
        open.pop_back();
        continue;
      case Token::kOpen:
        return fail(key.line, "a { stands where a key was expected");
      case Token::kText:
        break;
    }
    Token value = tokens.Next();
    switch (value.kind) {
      case Token::kText:
        open.back()->children.push_back(
            {std::move(key.text), std::move(value.text), false, key.line, {}});
        break;
      case Token::kOpen:
        if (static_cast<int>(open.size()) > kMaxKeyValuesDepth) {
          return fail(value.line, "the blocks are nested more than " +
                                      std::to_string(kMaxKeyValuesDepth) + " deep");
        }
        open.back()->children.push_back({std::move(key.text), "", true, key.line, {}});
        open.push_back(&open.back()->children.back());
        break;
      case Token::kUnterminated:
        return fail(value.line, "a quoted text is not closed (a \" is missing)");
      case Token::kClose:
      case Token::kEnd:
        return fail(key.line, "the key \"" + key.text + "\" has no value");
    }
  }
}

}  // namespace orvane
