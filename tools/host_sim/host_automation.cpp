#include "tools/host_sim/host_automation.h"

#include <oaidl.h>
#include <oleauto.h>

#include <atomic>
#include <mutex>

namespace {

constexpr DISPID kFrequencyId = 2;
constexpr DISPID kTextId = 8;
constexpr DISPID kMacroId = 16;
constexpr long kEntryField = 5;

std::wstring ClassIdText() {
  wchar_t text[64] = L"";
  StringFromGUID2(kHostAutomationClassId, text, 64);
  return text;
}

bool SetKeyDefault(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

}  // namespace

struct HostAutomation::State {
  mutable std::mutex lock;
  double frequency = 0.0;
  std::wstring entryText;
  std::vector<std::wstring> macros;
  std::vector<HostAutomationCall> calls;
};

namespace {

class HostObject final : public IDispatch {
 public:
  explicit HostObject(std::shared_ptr<HostAutomation::State> state) : state_(std::move(state)) {}

  long DispatchQueries() const { return dispatchQueries_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IDispatch)) ++dispatchQueries_;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }

    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override {
    std::lock_guard<std::mutex> lock(state_->lock);
    state_->calls.push_back({id, locale, flags});
    const UINT argumentCount = params ? params->cArgs : 0;
    switch (id) {
      case kFrequencyId:
        if (!(flags & DISPATCH_PROPERTYGET) || argumentCount != 0) return DISP_E_BADPARAMCOUNT;
        if (result != nullptr) {
          VariantInit(result);
          result->vt = VT_R8;
          result->dblVal = state_->frequency;
        }
        return S_OK;
      case kTextId: {
        if (!(flags & DISPATCH_METHOD) || argumentCount != 1) return DISP_E_BADPARAMCOUNT;
        VARIANT field;
        VariantInit(&field);
        if (FAILED(VariantChangeType(&field, &params->rgvarg[0], 0, VT_I4))) return DISP_E_TYPEMISMATCH;
        if (result != nullptr) {
          VariantInit(result);
          result->vt = VT_BSTR;
          result->bstrVal = SysAllocString(field.lVal == kEntryField ? state_->entryText.c_str() : L"");
        }
        return S_OK;
      }
      case kMacroId: {
        if (!(flags & DISPATCH_METHOD) || argumentCount != 1) return DISP_E_BADPARAMCOUNT;
        const VARIANT& macro = params->rgvarg[0];
        if (macro.vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
        state_->macros.emplace_back(macro.bstrVal ? macro.bstrVal : L"");
        return S_OK;
      }
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  std::atomic<long> references_{1};
  std::atomic<long> dispatchQueries_{0};
  std::shared_ptr<HostAutomation::State> state_;
};

struct ThreadStart {
  std::shared_ptr<HostAutomation::State> state;
  HANDLE ready = nullptr;
  HRESULT result = E_FAIL;
  HostObject** objectOut = nullptr;
};

// Set by the object's thread while it is published.
std::atomic<HostObject*> g_PublishedObject{nullptr};

DWORD WINAPI ObjectThread(void* parameter) {
  ThreadStart& start = *static_cast<ThreadStart*>(parameter);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // make this thread's queue
  auto* object = new HostObject(start.state);
  DWORD registration = 0;
  start.result = RegisterActiveObject(object, kHostAutomationClassId, ACTIVEOBJECT_STRONG, &registration);
  if (SUCCEEDED(start.result)) g_PublishedObject = object;
  SetEvent(start.ready);  // `start` is not touched after this
  if (FAILED(start.result)) {
    object->Release();
    CoUninitialize();
    return 1;
  }
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  RevokeActiveObject(registration, nullptr);
  g_PublishedObject = nullptr;
  object->Release();
  CoUninitialize();
  return 0;
}

}  // namespace

HostAutomation::HostAutomation() : state_(std::make_shared<State>()) {}

HostAutomation::~HostAutomation() { Withdraw(); }

// A per-user registration, as an installation without administrator rights makes it. Windows
// merges it into HKEY_CLASSES_ROOT; wine's COM looks ProgIDs up in the machine's classes
// only, so where that hive is writable (always under wine) the same keys go there too.
bool HostAutomation::RegisterProgId() {
  const std::wstring classId = ClassIdText();
  const std::wstring progIdKey = std::wstring(L"Software\\Classes\\") + kHostProgId + L"\\CLSID";
  const std::wstring classKey = L"Software\\Classes\\CLSID\\" + classId + L"\\ProgID";
  const bool user = SetKeyDefault(HKEY_CURRENT_USER, progIdKey, nullptr, classId) &&
                    SetKeyDefault(HKEY_CURRENT_USER, classKey, nullptr, kHostProgId);
  SetKeyDefault(HKEY_LOCAL_MACHINE, progIdKey, nullptr, classId);
  SetKeyDefault(HKEY_LOCAL_MACHINE, classKey, nullptr, kHostProgId);
  return user;
}

void HostAutomation::UnregisterProgId() {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    RegDeleteTreeW(root, (std::wstring(L"Software\\Classes\\") + kHostProgId).c_str());
    RegDeleteTreeW(root, (L"Software\\Classes\\CLSID\\" + ClassIdText()).c_str());
  }
}

bool HostAutomation::Publish(std::string& error) {
  Withdraw();
  ThreadStart start;
  start.state = state_;
  start.ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, &ObjectThread, &start, 0, &threadId_);
  if (thread_ == nullptr) {
    CloseHandle(start.ready);
    error = "CreateThread failed";
    return false;
  }
  WaitForSingleObject(start.ready, INFINITE);
  CloseHandle(start.ready);
  if (FAILED(start.result)) {
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
    char text[64];
    wsprintfA(text, "RegisterActiveObject failed: 0x%08lX", static_cast<unsigned long>(start.result));
    error = text;
    return false;
  }
  return true;
}

void HostAutomation::Withdraw() {
  if (thread_ == nullptr) return;
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  thread_ = nullptr;
}

void HostAutomation::SetFrequency(double hertz) {
  std::lock_guard<std::mutex> lock(state_->lock);
  state_->frequency = hertz;
}

void HostAutomation::SetEntryText(const std::wstring& text) {
  std::lock_guard<std::mutex> lock(state_->lock);
  state_->entryText = text;
}

std::vector<std::wstring> HostAutomation::Macros() const {
  std::lock_guard<std::mutex> lock(state_->lock);
  return state_->macros;
}

std::vector<HostAutomationCall> HostAutomation::Calls() const {
  std::lock_guard<std::mutex> lock(state_->lock);
  return state_->calls;
}

long HostAutomation::DispatchQueries() const {
  const HostObject* object = g_PublishedObject;
  return object != nullptr ? object->DispatchQueries() : 0;
}
