// The failures a handler can meet, and the one wrapper every handler runs in.
//
// Three behaviours for a failed database statement:
//   - swallowed: the lookup returns its empty value (OrEmpty);
//   - SilentStop: the current action ends, no box;
//   - DbError (or any other failure): the action ends and the standard error box shows the
//     failure's text with the caption "Velmora".
#pragma once

#include <QString>

#include <exception>
#include <string>
#include <utility>

namespace velmora {

// A database or statement failure, with a readable text for the error box.
class DbError : public std::exception {
 public:
  explicit DbError(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}
  const QString& message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  QString message_;
  std::string utf8_;
};

// Abandons the current action without a box.
class SilentStop : public std::exception {
 public:
  const char* what() const noexcept override { return "silent stop"; }
};

// Where the wrapper shows the standard error box. The program shows a Qt message box;
// tests record the call.
class ErrorBox {
 public:
  virtual ~ErrorBox() = default;
  virtual void ShowError(const QString& caption, const QString& text) = 0;
};

inline constexpr const char16_t* kAppTitle = u"Velmora";

// The text the error box shows: the failure's text with a full stop added when it does not
// end in one. A Chinese text gets the full-width stop, any other the ASCII one.
QString ErrorBoxText(const QString& failure);

// Runs one event handler. No exception leaves it: a SilentStop ends the handler quietly,
// every other failure ends it and shows the standard error box.
template <class Handler>
void RunHandler(ErrorBox& box, Handler&& handler) noexcept {
  QString failure;
  try {
    std::forward<Handler>(handler)();
    return;
  } catch (const SilentStop&) {
    return;
  } catch (const DbError& e) {
    failure = e.message();
  } catch (const std::exception& e) {
    failure = QString::fromUtf8(e.what());
  } catch (...) {
    failure = QStringLiteral("未知错误");
  }
  try {
    box.ShowError(QString::fromUtf16(kAppTitle), ErrorBoxText(failure));
  } catch (...) {
    // The box itself failed: nothing more can be told.
  }
}

// Runs a lookup whose failures are swallowed: any DbError gives the empty value T{}.
template <class T, class Lookup>
T OrEmpty(Lookup&& lookup) {
  try {
    return std::forward<Lookup>(lookup)();
  } catch (const DbError&) {
    return T{};
  }
}

}  // namespace velmora
