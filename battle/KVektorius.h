#pragma once

// Three floats x, y, z and nothing else, so a vector can go to an audio call as
// three consecutive floats.
class KVektorius {
 public:
  float x, y, z;

  KVektorius() : x(0), y(0), z(0) {}
  KVektorius(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

  KVektorius& operator+=(const KVektorius& kitas);
  KVektorius& operator*=(float daugiklis);
  float Ilgis() const;
  // Only through ApribotiIlgi: never on a zero vector.
  KVektorius& NustatytiIlgi(float ilgis);
  KVektorius& ApribotiIlgi(float maksimumas);
};

KVektorius operator-(const KVektorius& a, const KVektorius& b);
float Atstumas(const KVektorius& a, const KVektorius& b);

float Modulis(float x);
// b - a brought into [-180, 180], both ends kept.
float KampuSkirtumas(float a, float b);
