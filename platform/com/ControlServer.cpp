#include "ControlServer.h"

#include "ClassStore.h"
#include "platform/LastingText.h"
#include "platform/NestedLoops.h"
#include "platform/Twips.h"
#include "platform/WavePlayer.h"

#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <new>

namespace com {

namespace {

// Counts of what keeps the library in memory; one thread only, as the controls are.
int g_instances = 0;
int g_classRefs = 0;
int g_locks = 0;
int g_panels = 0;

// Qt's one tooltip window outlives the panel when a host's tip was showing first, and would
// keep the library's literal after the library is gone.
void ownToolTips(QWidget &panel)
{
    QList<QWidget *> widgets = panel.findChildren<QWidget *>();
    widgets.append(&panel);
    for (QWidget *widget : widgets)
        if (!widget->toolTip().isEmpty())
            widget->setToolTip(platform::lastingCopy(widget->toolTip()));
}

// Answers every call of the empty default interface with "no such member".
template <class Owner>
class EmptyDispatch final : public IDispatch {
public:
    explicit EmptyDispatch(Owner &owner)
        : m_owner(owner)
    {
    }
    HResult QueryInterface(const Guid &iid, void **object) noexcept override { return m_owner.QueryInterface(iid, object); }
    std::uint32_t AddRef() noexcept override { return m_owner.AddRef(); }
    std::uint32_t Release() noexcept override { return m_owner.Release(); }
    HResult GetTypeInfoCount(std::uint32_t *count) noexcept override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HResult GetTypeInfo(std::uint32_t, std::uint32_t, void **info) noexcept override
    {
        if (info)
            *info = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HResult GetIDsOfNames(const Guid &, char16_t **, std::uint32_t, std::uint32_t, std::int32_t *) noexcept override
    {
        return DISP_E_UNKNOWNNAME;
    }
    HResult Invoke(std::int32_t, const Guid &, std::uint32_t, std::uint16_t, void *, void *, void *,
                   std::uint32_t *) noexcept override
    {
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    Owner &m_owner;
};

template <class Owner>
class Info final : public IControlInfo {
public:
    Info(Owner &owner, const ControlDescription &description)
        : m_owner(owner)
        , m_description(description)
    {
    }
    HResult QueryInterface(const Guid &iid, void **object) noexcept override { return m_owner.QueryInterface(iid, object); }
    std::uint32_t AddRef() noexcept override { return m_owner.AddRef(); }
    std::uint32_t Release() noexcept override { return m_owner.Release(); }
    HResult GetDescription(const ControlDescription **description) noexcept override
    {
        if (!description)
            return E_POINTER;
        *description = &m_description;
        return S_OK;
    }

private:
    Owner &m_owner;
    const ControlDescription &m_description;
};

class Instance final : public IControlSite {
public:
    Instance(const ControlDescription &description, QWidget *panel)
        : m_description(description)
        , m_panel(panel)
        , m_info(*this, description)
        , m_dispatch(*this)
    {
        ++g_instances;
    }

    HResult QueryInterface(const Guid &iid, void **object) noexcept override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IControlSite)
            *object = static_cast<IControlSite *>(this);
        else if (iid == IID_IControlInfo)
            *object = static_cast<IControlInfo *>(&m_info);
        else if (iid == IID_IDispatch || iid == m_description.defaultInterface.iid)
            *object = static_cast<IDispatch *>(&m_dispatch);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    std::uint32_t AddRef() noexcept override { return ++m_refs; }
    std::uint32_t Release() noexcept override
    {
        const std::uint32_t left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

    HResult SetContainer(QWidget *container) noexcept override
    {
        if (!m_panel)
            return E_UNEXPECTED;
        if (!container) {
            m_panel->hide();
            m_panel->setParent(nullptr);
            return S_OK;
        }
        m_panel->setParent(container);
        m_panel->setGeometry(
            platform::twipsRect(0, 0, m_description.designWidthTwips, m_description.designHeightTwips));
        m_panel->show();
        return S_OK;
    }
    HResult GetPanel(QWidget **panel) noexcept override
    {
        if (!panel)
            return E_POINTER;
        *panel = m_panel;
        return m_panel ? S_OK : E_UNEXPECTED;
    }

private:
    ~Instance()
    {
        --g_instances;
        if (QPointer<QWidget> panel = m_panel) {
            panel->hide();
            panel->setParent(nullptr);
            // never under one of its own handlers: a host may let go while a tone plays
            platform::NestedLoops::whenOutside([panel] {
                if (panel)
                    panel->deleteLater();
            });
        }
    }

    const ControlDescription &m_description;
    QPointer<QWidget> m_panel;  // a host may delete the container, and the panel with it
    Info<Instance> m_info;
    EmptyDispatch<Instance> m_dispatch;
    std::uint32_t m_refs = 1;
};

class ClassObject final : public IClassFactory {
public:
    explicit ClassObject(const ControlDefinition &control)
        : m_control(control)
        , m_info(*this, control.description)
    {
    }

    HResult QueryInterface(const Guid &iid, void **object) noexcept override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory)
            *object = static_cast<IClassFactory *>(this);
        else if (iid == IID_IControlInfo)
            *object = static_cast<IControlInfo *>(&m_info);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    std::uint32_t AddRef() noexcept override { return std::uint32_t(++g_classRefs); }
    std::uint32_t Release() noexcept override { return g_classRefs > 0 ? std::uint32_t(--g_classRefs) : 0; }

    HResult CreateInstance(IUnknown *outer, const Guid &iid, void **object) noexcept override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return E_UNEXPECTED;
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            return RPC_E_WRONG_THREAD;
        QWidget *panel = nullptr;
        try {
            panel = m_control.createPanel();
        } catch (const std::bad_alloc &) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
        if (!panel)
            return E_FAIL;
        ownToolTips(*panel);
        // a host has no start of its own to open the output at: the first panel does, so that
        // its first tone does not wait for a new stream
        if (g_panels++ == 0)
            platform::WavePlayer::prepare();
        QObject::connect(panel, &QObject::destroyed, [] { --g_panels; });
        auto *instance = new (std::nothrow) Instance(m_control.description, panel);
        if (!instance) {
            delete panel;
            return E_OUTOFMEMORY;
        }
        const HResult result = instance->QueryInterface(iid, object);
        instance->Release();
        return result;
    }
    HResult LockServer(std::int32_t lock) noexcept override
    {
        if (lock)
            ++g_locks;
        else if (g_locks > 0)
            --g_locks;
        return S_OK;
    }

private:
    const ControlDefinition &m_control;
    Info<ClassObject> m_info;
};

ClassObject &classObject(const ControlDefinition &control)
{
    static ClassObject object(control);
    return object;
}

} // namespace

namespace ControlServer {

HResult registerServer(const ControlDefinition &control, const QString &libraryPath) noexcept
{
    try {
        return ClassStore::registerClass(control.description, libraryPath);
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HResult unregisterServer(const ControlDefinition &control) noexcept
{
    try {
        return ClassStore::unregisterClass(control.description);
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HResult getClassObject(const ControlDefinition &control, const Guid *clsid, const Guid *iid, void **object) noexcept
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!clsid || !iid)
        return E_POINTER;
    if (!(*clsid == control.description.clsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    return classObject(control).QueryInterface(*iid, object);
}

HResult canUnloadNow() noexcept
{
    return g_instances == 0 && g_classRefs == 0 && g_locks == 0 && g_panels == 0 ? S_OK : S_FALSE;
}

} // namespace ControlServer
} // namespace com
