#include "json.h"

namespace vtafx {

Json Json::boolean(bool value) {
  Json j;
  j.type_ = Type::kBool;
  j.flag_ = value;
  return j;
}

Json Json::number(std::string text) {
  Json j;
  j.type_ = Type::kNumber;
  j.text_ = std::move(text);
  return j;
}

Json Json::string(std::string text) {
  Json j;
  j.type_ = Type::kString;
  j.text_ = std::move(text);
  return j;
}

Json Json::array() {
  Json j;
  j.type_ = Type::kArray;
  return j;
}

Json Json::object() {
  Json j;
  j.type_ = Type::kObject;
  return j;
}

const Json* Json::find(const std::string& key) const {
  for (const auto& member : members_) {
    if (member.first == key) return &member.second;
  }
  return nullptr;
}

Json& Json::push(Json item) {
  items_.push_back(std::move(item));
  return *this;
}

Json& Json::add(std::string key, Json value) {
  members_.emplace_back(std::move(key), std::move(value));
  return *this;
}

}  // namespace vtafx
