#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

namespace ZCORVANEBASE {

// Base of the library's singletons: T lists ZSingleton<T> as its second base, keeps its constructor private and
// befriends the template. _instance() builds the one object on first use (thread-safe) with a null parent; it is
// destroyed at library unload in reverse order of construction.
//
// The body of _instance() is instantiated explicitly inside the library: ZCORVANEBASE_DECLARE_SINGLETON(T) before
// T's class declares the exported instantiation, and "template class ZSingleton<T>;" in T's source defines it.
// Without that every host binary would instantiate its own copy of the static object.
template <typename T> class ZSingleton
{
public:
    static T& _instance();

protected:
    ZSingleton() = default;
    ~ZSingleton() = default;

private:
    ZSingleton(const ZSingleton&) = delete;
    ZSingleton& operator=(const ZSingleton&) = delete;
};

template <typename T> T& ZSingleton<T>::_instance()
{
    static T sInstance(nullptr);
    return sInstance;
}

} // namespace ZCORVANEBASE

// Declares, inside namespace ZCORVANEBASE, that ZSingleton<T> is instantiated (and exported) by the library.
#define ZCORVANEBASE_DECLARE_SINGLETON(T)                                                                              \
    class T;                                                                                                           \
    extern template class ZCORVANEBASE_EXPORT ZSingleton<T>;
