#pragma once
// Every credit text of the program, in one place. The roles are neutral on
// purpose: no person, faculty or university is named.

namespace Credits {

inline constexpr const char *kAuthor = "Equipo Sorvani";
inline constexpr const char *kAuthorAndYear = "Equipo Sorvani (2005)";
inline constexpr const char *kCreditLine = "Programa por: Equipo Sorvani (2005)";
inline constexpr const char *kFaculty = "Facultad del autor";
inline constexpr const char *kUniversity = "Universidad del autor";
inline constexpr const char *kUniversityShort = "Univ. del autor";
inline constexpr const char *kFacultyAndInitials = "Facultad del autor, U.A.";
inline constexpr const char *kEmail = "sorvani@example.org";

} // namespace Credits
