// CurlLibrary: libcurl's entry points, loaded on the first transfer rather than at start-up.
#pragma once

#include <curl/curl.h>

namespace ravodozu::detail {

// libcurl pulls in TLS, Kerberos, LDAP and more: linked normally, the dynamic loader maps and
// relocates all of them before main, which costs every short command several milliseconds and
// megabytes although only a rates refresh uses the network.
#define RAVODOZU_CURL_FUNCTIONS(X)                                                                 \
    X(global_init)                                                                                 \
    X(easy_init)                                                                                   \
    X(easy_setopt)                                                                                 \
    X(easy_getinfo)                                                                                \
    X(easy_cleanup)                                                                                \
    X(multi_init)                                                                                  \
    X(multi_add_handle)                                                                            \
    X(multi_remove_handle)                                                                         \
    X(multi_perform)                                                                               \
    X(multi_poll)                                                                                  \
    X(multi_wakeup)                                                                                \
    X(multi_info_read)                                                                             \
    X(multi_cleanup)                                                                               \
    X(url)                                                                                         \
    X(url_set)                                                                                     \
    X(url_get)                                                                                     \
    X(url_cleanup)                                                                                 \
    X(free)

struct CurlLibrary {
#define RAVODOZU_CURL_MEMBER(name) decltype(&::curl_##name) name;
    RAVODOZU_CURL_FUNCTIONS(RAVODOZU_CURL_MEMBER)
#undef RAVODOZU_CURL_MEMBER

    /// libcurl, loaded and globally initialised once; nullptr when it cannot be loaded, in
    /// which case every transfer fails.
    static const CurlLibrary* get();
};

} // namespace ravodozu::detail
