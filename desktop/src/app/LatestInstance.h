// LatestInstance: what QML sees as a type's singleton — the object of it made last.
#pragma once

#include <QJSEngine>

class QQmlEngine;

namespace zelvane {

/// The program makes one; tests make several in turn and QML must reach the newest. QML never
/// owns it.
template <class T> class LatestInstance {
  public:
    static T* create(QQmlEngine*, QJSEngine*) {
        QJSEngine::setObjectOwnership(latest_, QJSEngine::CppOwnership);
        return latest_;
    }
    static T* instance() { return latest_; }

  protected:
    explicit LatestInstance(T* self) : self_(self) { latest_ = self; }
    ~LatestInstance() {
        if (latest_ == self_)
            latest_ = nullptr;
    }
    LatestInstance(const LatestInstance&) = delete;
    LatestInstance& operator=(const LatestInstance&) = delete;

  private:
    T* self_;
    static inline T* latest_ = nullptr;
};

} // namespace zelvane
