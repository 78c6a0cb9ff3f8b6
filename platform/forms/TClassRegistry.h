#pragma once
#include "platform/forms/EReadError.h"
#include "platform/forms/FormDescription.h"
#include "platform/forms/TComponent.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TFont.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TStrings.h"
#include <any>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

class TReadContext;

// Sets one property of an object from a description value; raises EReadError "Invalid property
// value" (or another message) when the value does not fit.
using TPropertySetter =
    std::function<void(TPersistent* target, const TDescriptionValue& value, TReadContext& context)>;
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
// The factory of a component class made with its owner, as descriptions create it.
template <typename T>
TComponentFactory ComponentFactory() {
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
}
// Makes the handler named in a description, bound to the root component it belongs to; the
// std::any holds the event's own std::function type.
using TMethodFactory = std::function<std::any(TComponent* root)>;

// The classes form descriptions may name, what makes them, their base class and the
// properties and handler methods they offer. Lookups walk up the base classes. Registration
// is process-wide, as class names are.
class TClassRegistry {
public:
    static TClassRegistry& Instance();

    // factory may be empty for classes only ever read into (forms) or made by a collection.
    void RegisterClass(const std::string& name, const std::string& base,
                       TComponentFactory factory = {});
    void RegisterProperty(const std::string& className, const std::string& property,
                          TPropertySetter setter);
    void RegisterMethod(const std::string& className, const std::string& method,
                        TMethodFactory factory);

    bool IsRegistered(const std::string& name) const;
    // Empty when the class or none of its bases has a factory.
    TComponentFactory Factory(const std::string& name) const;
    // The base class name registered for name; empty for an unknown class.
    std::string Base(const std::string& name) const;
    const TPropertySetter* FindProperty(const std::string& className,
                                        const std::string& property) const;
    const TMethodFactory* FindMethod(const std::string& className, const std::string& method) const;
    // Whether name is cls or one of its bases.
    bool InheritsFrom(const std::string& cls, const std::string& name) const;

private:
    TClassRegistry();
    struct TClassInfo {
        std::string Base;
        TComponentFactory Factory;
        std::map<std::string, TPropertySetter> Properties; // keys upper-cased
        std::map<std::string, TMethodFactory> Methods;
    };
    const TClassInfo* Find(const std::string& name) const;

    mutable std::recursive_mutex FMutex;
    std::map<std::string, TClassInfo> FClasses; // keys upper-cased
};

// What a property setter may ask of the reading in progress.
class TReadContext {
public:
    virtual ~TReadContext() = default;
    // The component the description is read into: its methods handle the events.
    virtual TComponent* Root() const = 0;
    // The root's class as the description names it.
    virtual const std::string& RootClass() const = 0;
    // Runs resolve with the component named name once the whole description is read
    // ("nil" gives nullptr); an unknown name fails the reading.
    virtual void AddFixup(const std::string& name, std::function<void(TComponent*)> resolve) = 0;
    // Sets the properties of one collection item, looked up in itemClass's table.
    virtual void ReadItem(TPersistent* item, const std::string& itemClass,
                          const std::vector<TDescriptionProperty>& properties) = 0;
};

// Helpers that make setters from a class's own setter methods.
namespace properties {

[[noreturn]] void InvalidValue();
std::int64_t IntegerOf(const TDescriptionValue& value);
bool BooleanOf(const TDescriptionValue& value);
std::string StringOf(const TDescriptionValue& value);
const std::string& IdentOf(const TDescriptionValue& value);
// A colour: an integer or one of the cl... names.
TColor ColorOf(const TDescriptionValue& value);

template <typename T>
T* Target(TPersistent* object) {
    auto* t = dynamic_cast<T*>(object);
    if (!t) InvalidValue();
    return t;
}

template <typename T, typename V>
TPropertySetter Integer(void (T::*set)(V)) {
    return [set](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        using L = std::numeric_limits<std::remove_cvref_t<V>>;
        const std::int64_t n = IntegerOf(v);
        if (n < std::int64_t(L::min()) || n > std::int64_t(L::max())) InvalidValue();
        (Target<T>(o)->*set)(static_cast<V>(n));
    };
}

template <typename T>
TPropertySetter Boolean(void (T::*set)(bool)) {
    return [set](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        (Target<T>(o)->*set)(BooleanOf(v));
    };
}

template <typename T>
TPropertySetter String(void (T::*set)(const std::string&)) {
    return [set](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        (Target<T>(o)->*set)(StringOf(v));
    };
}

template <typename E>
using TNames = std::vector<std::pair<std::string, E>>;

template <typename E>
E EnumOf(const TDescriptionValue& v, const TNames<E>& names) {
    const std::string& ident = IdentOf(v);
    for (const auto& [name, value] : names)
        if (name == ident) return value;
    InvalidValue();
}

template <typename T, typename E>
TPropertySetter Enum(void (T::*set)(E), TNames<E> names) {
    return [set, names](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        (Target<T>(o)->*set)(EnumOf(v, names));
    };
}

template <typename T, typename S, typename E>
TPropertySetter Set(void (T::*set)(S), TNames<E> names) {
    return [set, names](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        if (v.Kind != TDescriptionValue::vkSet) InvalidValue();
        S s;
        for (const std::string& n : v.Names) {
            TDescriptionValue one;
            one.Kind = TDescriptionValue::vkIdent;
            one.Text = n;
            s.Include(EnumOf(one, names));
        }
        (Target<T>(o)->*set)(s);
    };
}

// A reference to another component, set once the whole description is read.
template <typename T, typename R>
TPropertySetter Reference(void (T::*set)(R*)) {
    return [set](TPersistent* o, const TDescriptionValue& v, TReadContext& context) {
        T* target = Target<T>(o);
        context.AddFixup(IdentOf(v), [target, set](TComponent* c) {
            R* r = dynamic_cast<R*>(c);
            if (c && !r) InvalidValue();
            (target->*set)(r);
        });
    };
}

// A collection written as < item ... end ... >: its items are replaced by the ones written.
template <typename T, typename C>
TPropertySetter Collection(C& (T::*get)(), std::string itemClass) {
    return [get, itemClass](TPersistent* o, const TDescriptionValue& v, TReadContext& context) {
        if (v.Kind != TDescriptionValue::vkCollection) InvalidValue();
        C& collection = (Target<T>(o)->*get)();
        collection.BeginUpdate();
        try {
            collection.Clear();
            for (const auto& item : v.Items)
                context.ReadItem(collection.Add(), itemClass, item);
        } catch (...) {
            collection.EndUpdate();
            throw;
        }
        collection.EndUpdate();
    };
}

// Binary data written as { hex digits }.
template <typename T>
TPropertySetter Binary(void (T::*set)(const std::vector<std::uint8_t>&)) {
    return [set](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        if (v.Kind != TDescriptionValue::vkBinary) InvalidValue();
        (Target<T>(o)->*set)(v.Bytes);
    };
}

// An event bound to the root's handler method of that name.
template <typename T, typename F>
TPropertySetter Event(F T::*field) {
    return [field](TPersistent* o, const TDescriptionValue& v, TReadContext& context) {
        T* target = Target<T>(o);
        const std::string& name = IdentOf(v);
        const TMethodFactory* factory =
            TClassRegistry::Instance().FindMethod(context.RootClass(), name);
        if (!factory) throw EReadError(Format("Method %s not found", name));
        std::any method = (*factory)(context.Root());
        const F* handler = std::any_cast<F>(&method);
        if (!handler) throw EReadError(Format("Method %s does not fit the event", name));
        target->*field = *handler;
    };
}

// An event set through a setter method rather than a field.
template <typename T, typename F>
TPropertySetter EventSetter(void (T::*set)(F)) {
    return [set](TPersistent* o, const TDescriptionValue& v, TReadContext& context) {
        T* target = Target<T>(o);
        const std::string& name = IdentOf(v);
        const TMethodFactory* factory =
            TClassRegistry::Instance().FindMethod(context.RootClass(), name);
        if (!factory) throw EReadError(Format("Method %s not found", name));
        std::any method = (*factory)(context.Root());
        const F* handler = std::any_cast<F>(&method);
        if (!handler) throw EReadError(Format("Method %s does not fit the event", name));
        (target->*set)(*handler);
    };
}

// A list of lines written as Items.Strings = ( 'one' 'two' ).
template <typename T>
TPropertySetter Lines(TStrings& (T::*get)()) {
    return [get](TPersistent* o, const TDescriptionValue& v, TReadContext&) {
        if (v.Kind != TDescriptionValue::vkList) InvalidValue();
        TStrings& lines = (Target<T>(o)->*get)();
        lines.BeginUpdate();
        lines.Clear();
        for (const TDescriptionValue& line : v.List)
            lines.Add(StringOf(line));
        lines.EndUpdate();
    };
}

} // namespace properties

// Registers the class library's own classes and their properties (once).
void RegisterStandardClasses();

// Registers the sub-properties of a font an object holds (prefix.Name, .Height, .Size, .Color,
// .Charset and .Style, as in "Font.Name"); fontOf finds the font in the object being read.
void RegisterFontProperties(TClassRegistry& registry, const std::string& className,
                            const std::string& prefix, std::function<TFont&(TPersistent*)> fontOf);
