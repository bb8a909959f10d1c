#include "ui/win32/host_link.h"

#include <oleauto.h>

namespace ui {

HostLink g_HostDispatch;

namespace {

constexpr const wchar_t* kHostProgId = L"Qarn2.Application";
constexpr DISPID kFrequencyId = 2;
constexpr DISPID kTextId = 8;
constexpr DISPID kMacroId = 16;
// The host is asked in the neutral locale; its members are reached by id, never by name.
constexpr LCID kHostLocale = 0;

std::string FromBstr(BSTR text) {
  const int length = text ? static_cast<int>(SysStringLen(text)) : 0;
  if (length == 0) return {};
  const int bytes = WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_THREAD_ACP, 0, text, length, result.data(), bytes, nullptr, nullptr);
  return result;
}

BSTR ToBstr(const std::string& text) {
  const int length = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, nullptr, 0);
  BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(units));
  if (result != nullptr) MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), length, result, units);
  return result;
}

}  // namespace

bool HostLink::Connect() {
  CLSID classId;
  if (FAILED(CLSIDFromProgID(kHostProgId, &classId))) return false;
  IUnknown* running = nullptr;
  if (FAILED(GetActiveObject(classId, nullptr, &running)) || running == nullptr) return false;
  IDispatch* dispatch = nullptr;
  const HRESULT queried = running->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  running->Release();
  if (FAILED(queried) || dispatch == nullptr) return false;
  Release();
  m_Dispatch = dispatch;
  return true;
}

HRESULT HostLink::GetHostFrequency(double& hertz) {
  if (m_Dispatch == nullptr) return E_POINTER;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = m_Dispatch->Invoke(kFrequencyId, IID_NULL, kHostLocale, DISPATCH_PROPERTYGET,
                                  &none, &result, nullptr, nullptr);
  if (SUCCEEDED(hr)) hr = VariantChangeType(&result, &result, 0, VT_R8);
  if (SUCCEEDED(hr)) hertz = result.dblVal;
  VariantClear(&result);
  return hr;
}

HRESULT HostLink::GetHostText(int field, std::string& text) {
  if (m_Dispatch == nullptr) return E_POINTER;
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_I4;
  argument.lVal = field;
  DISPPARAMS parameters = {&argument, nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  HRESULT hr = m_Dispatch->Invoke(kTextId, IID_NULL, kHostLocale, DISPATCH_METHOD, &parameters,
                                  &result, nullptr, nullptr);
  if (SUCCEEDED(hr) && result.vt != VT_EMPTY && result.vt != VT_NULL) {
    hr = VariantChangeType(&result, &result, 0, VT_BSTR);
  }
  if (SUCCEEDED(hr)) text = result.vt == VT_BSTR ? FromBstr(result.bstrVal) : std::string();
  VariantClear(&result);
  return hr;
}

HRESULT HostLink::RunHostMacro(const std::string& macro) {
  if (m_Dispatch == nullptr) return E_POINTER;
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = ToBstr(macro);
  if (argument.bstrVal == nullptr) return E_OUTOFMEMORY;
  DISPPARAMS parameters = {&argument, nullptr, 1, 0};
  const HRESULT hr = m_Dispatch->Invoke(kMacroId, IID_NULL, kHostLocale, DISPATCH_METHOD,
                                        &parameters, nullptr, nullptr, nullptr);
  VariantClear(&argument);
  return hr;
}

IDispatch* HostLink::Detach() {
  IDispatch* dispatch = m_Dispatch;
  m_Dispatch = nullptr;
  return dispatch;
}

void HostLink::Release() {
  if (m_Dispatch != nullptr) m_Dispatch->Release();
  m_Dispatch = nullptr;
}

}  // namespace ui
