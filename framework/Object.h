// Root of the framework's classes: anything the framework may own or destroy
// through a base pointer (window wrappers, streams, handles).
#pragma once

class Object {
 public:
  Object() = default;
  virtual ~Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
};
