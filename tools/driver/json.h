#pragma once
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace driver {

// A small JSON value for the driver's report: objects keep their insertion order.
class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;

    Json() : v_(nullptr) {}
    Json(std::nullptr_t) : v_(nullptr) {}
    Json(bool b) : v_(b) {}
    Json(int i) : v_(double(i)) {}
    Json(long i) : v_(double(i)) {}
    Json(long long i) : v_(double(i)) {}
    Json(unsigned i) : v_(double(i)) {}
    Json(unsigned long i) : v_(double(i)) {}
    Json(unsigned long long i) : v_(double(i)) {}
    Json(double d) : v_(d) {}
    Json(const char* s) : v_(std::string(s)) {}
    Json(std::string s) : v_(std::move(s)) {}
    Json(Array a) : v_(std::move(a)) {}
    Json(Object o) : v_(std::move(o)) {}

    static Json object() { return Json(Object{}); }
    static Json array() { return Json(Array{}); }

    // Object access: adds the key when missing.
    Json& operator[](const std::string& key);
    const Json* find(const std::string& key) const;
    // Built in place: moving a temporary Json through std::variant's move trips GCC 12's
    // -Wmaybe-uninitialized.
    template <class T>
    void push(T&& v) {
        std::get<Array>(v_).emplace_back(std::forward<T>(v));
    }

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(v_); }
    bool isNumber() const { return std::holds_alternative<double>(v_); }
    bool isString() const { return std::holds_alternative<std::string>(v_); }
    bool isBool() const { return std::holds_alternative<bool>(v_); }
    double number() const { return std::get<double>(v_); }
    const std::string& string() const { return std::get<std::string>(v_); }
    bool boolean() const { return std::get<bool>(v_); }
    const Array& array_items() const { return std::get<Array>(v_); }
    const Object& object_items() const { return std::get<Object>(v_); }

    std::string dump() const;

private:
    void write(std::string& out) const;
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> v_;
};

}  // namespace driver
